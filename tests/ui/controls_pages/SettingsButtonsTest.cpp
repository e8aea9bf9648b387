// The control dialog's "Save..." and "Load..." buttons as the user meets
// them: the file dialogs, the messages, the recording question and the
// preview stopped around a load.
#include "ControlTestCamera.h"

#include "controls/CLxCtrlMainDlg.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Runs each handler on the next modal window that opens, in order; the
// handler closes the window. While the window stays open (a file dialog may
// not yet know the typed file) its handler runs again.
class ModalScript {
public:
    explicit ModalScript(std::vector<std::function<void(QWidget&)>> handlers) : handlers_(std::move(handlers))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(kPollMs);
    }
    // Modal windows met, by their text (message) or title (file dialog).
    const QStringList& Seen() const { return seen_; }
    bool Done() const { return next_ == handlers_.size(); }

private:
    static constexpr int kPollMs = 20;

    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (modal != current_) {
            if (Done())
                return;
            current_ = modal;
            handler_ = next_++;
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen_ << (box ? box->text() : modal->windowTitle());
        }
        handlers_[handler_](*modal);
    }

    std::vector<std::function<void(QWidget&)>> handlers_;
    size_t next_ = 0;
    size_t handler_ = 0;
    // Guarded: the next window may be built where the last one was.
    QPointer<QWidget> current_;
    QStringList seen_;
    QTimer timer_;
};

// File dialog handlers: choose a file, or cancel.
std::function<void(QWidget&)> ChooseFile(const QString& path)
{
    return [path](QWidget& window) {
        auto* files = qobject_cast<QFileDialog*>(&window);
        ASSERT_NE(files, nullptr) << window.metaObject()->className();
        EXPECT_EQ(files->nameFilters().value(0), QStringLiteral("CFG File(*.cfg)"));
        // Typed as the user types it: selectFile depends on the folder view
        // having loaded, which happens on another thread.
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        static_cast<QDialog*>(files)->accept();
    };
}

void CancelDialog(QWidget& window)
{
    static_cast<QDialog&>(window).reject();
}

// Message handlers: press OK, or the button of that role.
std::function<void(QWidget&)> Press(QMessageBox::StandardButton button)
{
    return [button](QWidget& window) {
        auto* box = qobject_cast<QMessageBox*>(&window);
        ASSERT_NE(box, nullptr) << window.metaObject()->className();
        ASSERT_NE(box->button(button), nullptr);
        box->button(button)->click();
    };
}

class SettingsButtonsTest : public ::testing::Test {
protected:
    SettingsButtonsTest()
    {
        camera_.AddInt("ModelCode", 0x1A2, 0, 0xFFFF);
        camera_.AddInt("GainRaw", 10, 0, 255);
        camera_.AddFloat("AcquisitionFrameRate", 30.0, 1.0, 60.0);
        dialog_ = std::make_unique<CLxCtrlMainDlg>(camera_.Host());
    }

    // Clicks the button and gives the modal windows met, in order.
    QStringList Click(QPushButton* button, std::vector<std::function<void(QWidget&)>> handlers)
    {
        ModalScript script(std::move(handlers));
        button->click();
        EXPECT_TRUE(script.Done()) << script.Seen().join(" | ").toStdString();
        return script.Seen();
    }

    TempDir dir_;
    TestCamera camera_;
    std::unique_ptr<CLxCtrlMainDlg> dialog_;
};

TEST_F(SettingsButtonsTest, SaveWritesTheChosenFileWithItsDefaultExtension)
{
    const QString chosen = QString::fromStdString(dir_.file("camera"));
    EXPECT_EQ(Click(dialog_->SaveButton(), {ChooseFile(chosen)}), QStringList{"Save File"});
    QFile file(chosen + QStringLiteral(".cfg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[LightControl-01A2]")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Other-01A2]")) << text.toStdString();
    // Saving leaves the preview running.
    EXPECT_TRUE(camera_.Host().calls.empty());
}

TEST_F(SettingsButtonsTest, CancelledFileDialogsSayOperationCanceled)
{
    EXPECT_EQ(Click(dialog_->SaveButton(), {CancelDialog, Press(QMessageBox::Ok)}),
              (QStringList{"Save File", "Operation Canceled."}));
    EXPECT_EQ(Click(dialog_->LoadButton(), {CancelDialog, Press(QMessageBox::Ok)}),
              (QStringList{"Load File", "Operation Canceled."}));
    EXPECT_TRUE(camera_.Host().calls.empty());
}

TEST_F(SettingsButtonsTest, ASaveThatCannotBeWrittenIsReported)
{
    const QString unwritable = QString::fromStdString(dir_.file("missing-folder/camera.cfg"));
    const QStringList seen = Click(dialog_->SaveButton(), {ChooseFile(unwritable), Press(QMessageBox::Ok)});
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[1], QStringLiteral("The camera settings could not be written to %1.").arg(unwritable));
    EXPECT_FALSE(QFile::exists(unwritable));
}

TEST_F(SettingsButtonsTest, LoadStopsThePreviewOnceAndReportsAFileOfAnotherModel)
{
    const QString other = QString::fromStdString(dir_.file("other.cfg"));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[LightControl-0BEE]\nGainRaw=99\n");
    file.close();
    camera_.Host().previewing = true;

    const QStringList seen = Click(dialog_->LoadButton(), {ChooseFile(other), Press(QMessageBox::Ok)});
    EXPECT_EQ(seen, (QStringList{"Load File", "The file holds no settings for this camera model."}));
    EXPECT_EQ(camera_.Host().calls, (std::vector<std::string>{"stop", "start"}));
    EXPECT_EQ(camera_.Get<FakeInteger>("GainRaw")->value, 10);
}

TEST_F(SettingsButtonsTest, WhileRecordingTheUserIsAskedFirstAndMayCancel)
{
    camera_.Host().recording = true;
    const QString question = QStringLiteral(
        "Do you continue the operation? If you continue the operation, the recording file would be closed.");
    EXPECT_EQ(Click(dialog_->SaveButton(), {Press(QMessageBox::Cancel)}), QStringList{question});
    EXPECT_EQ(Click(dialog_->LoadButton(), {Press(QMessageBox::Cancel)}), QStringList{question});
    EXPECT_EQ(camera_.Host().recordingsClosed, 0);

    const QString chosen = QString::fromStdString(dir_.file("recording.cfg"));
    EXPECT_EQ(Click(dialog_->SaveButton(), {Press(QMessageBox::Ok), ChooseFile(chosen)}),
              (QStringList{question, "Save File"}));
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_EQ(camera_.Host().recordingsClosed, 1);
}

} // namespace
