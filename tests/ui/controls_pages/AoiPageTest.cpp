// The AOI page: local editing, activation order and alignment, the sensor
// warning, tab changes and the binning rows.
#include "ControlTestCamera.h"

#include "controls/AoiPage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// An area integer that logs its writes into a log shared by the four.
class LoggedInteger : public FakeInteger {
public:
    LoggedInteger(const std::string& name, int64_t value, int64_t min, int64_t max, int64_t increment,
                  std::vector<std::string>* log)
        : FakeInteger(name, value, min, max, increment),
          log_(log)
    {
    }
    SdkResult SetValue(int64_t in) override
    {
        log_->push_back(GetName() + "=" + std::to_string(in));
        return FakeInteger::SetValue(in);
    }

private:
    std::vector<std::string>* log_;
};

class AoiPageTest : public PageTest<AoiPage> {
protected:
    AoiPageTest()
    {
        SdkGenParameterArray& features = camera_.Features();
        AddFake<LoggedInteger>(features, "Width", 1280, 16, 1280, 8, &log_);
        AddFake<LoggedInteger>(features, "Height", 1024, 8, 1024, 2, &log_);
        AddFake<LoggedInteger>(features, "OffsetX", 0, 0, 1264, 8, &log_);
        AddFake<LoggedInteger>(features, "OffsetY", 0, 0, 1016, 2, &log_);
        camera_.AddInt("SensorWidth", 1280, 1280, 1280);
        camera_.AddInt("SensorHeight", 1024, 1024, 1024);
        camera_.AddInt("BinningHorizontal", 1, 1, 4);
        camera_.AddInt("BinningVertical", 1, 1, 4);
        camera_.AddInt("DecimationHorizontal", 1, 1, 1);
        camera_.AddFloat("AcquisitionFrameRate", 30.0, 1.0, 60.0);
        EXPECT_TRUE(camera_.Camera().ReadGeometry());
    }

    void Type(const char* edit, int value)
    {
        auto* box = Find<QLineEdit>(edit);
        box->setText(QString::number(value));
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Presses Activate; a warning box, when one opens, is read and closed.
    QString Activate()
    {
        QString warning;
        QTimer::singleShot(0, [&warning] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                warning = box->text();
                box->accept();
            }
        });
        QTest::mouseClick(Find<QPushButton>("Activate"), Qt::LeftButton);
        return warning;
    }

    std::vector<std::string> log_;
};

} // namespace

TEST_F(AoiPageTest, GrowingOffsetWritesWidthFirst)
{
    Open();
    EXPECT_FALSE(Enabled("Activate"));
    Type("OffsetXEdit", 16);
    Type("WidthEdit", 1264);
    EXPECT_TRUE(Enabled("Activate"));
    EXPECT_TRUE(log_.empty()); // editing is local
    camera_.Host().previewing = true;
    EXPECT_TRUE(Activate().isEmpty());
    EXPECT_EQ(log_, (std::vector<std::string>{"Width=1264", "OffsetX=16"}));
    EXPECT_EQ(camera_.Host().calls, (std::vector<std::string>{"stop", "start"}));
    EXPECT_EQ(page_.CameraArea(), (AoiRect{16, 1264, 0, 1024}));
    EXPECT_FALSE(Enabled("Activate"));
}

TEST_F(AoiPageTest, ActivateAlignsToTheSteps)
{
    Open();
    Type("WidthEdit", 1001);
    Type("OffsetXEdit", 13);
    Activate();
    EXPECT_EQ(page_.CameraArea().width, 1008);
    EXPECT_EQ(page_.CameraArea().offsetX, 8);
    EXPECT_EQ(Find<QLineEdit>("WidthEdit")->text(), "1008");
}

// The connection object's binning flag is set until the camera's option
// information says otherwise, as on this camera.
TEST_F(AoiPageTest, AreaPastTheSensorIsMovedInWithTheBinningFlag)
{
    Open();
    ASSERT_TRUE(page_.Limits().binningShrinks);
    Type("WidthEdit", 640);
    Type("OffsetXEdit", 800);
    EXPECT_TRUE(Activate().isEmpty());
    EXPECT_EQ(log_, (std::vector<std::string>{"Width=640", "OffsetX=640"}));
    EXPECT_EQ(page_.CameraArea(), (AoiRect{640, 640, 0, 1024}));
}

TEST_F(AoiPageTest, WarningNamesTheSensorSize)
{
    Open();
    EXPECT_EQ(page_.OverrunWarning({800, 640, 0, 1024}), "Please set \"OffsetX\" + \"Width\" is 1280 or less.");
    EXPECT_EQ(page_.OverrunWarning({800, 640, 8, 1024}), "Please set \"OffsetX\" + \"Width\" is 1280 or less.\n"
                                                         "Please set \"OffsetY\" + \"Height\" is 1024 or less.");
    EXPECT_TRUE(page_.OverrunWarning({0, 1280, 0, 1024}).isEmpty());
}

TEST_F(AoiPageTest, RefreshDiscardsUnactivatedEditsAndUndoRestores)
{
    Open();
    Type("WidthEdit", 640);
    EXPECT_EQ(Find<QLabel>("OffsetXRange")->text(), "0 - 640");
    QTest::mouseClick(Find<QPushButton>("Undo"), Qt::LeftButton);
    EXPECT_EQ(page_.EditedArea(), page_.CameraArea());
    Type("HeightEdit", 480);
    page_.RefreshFromCamera(); // what a tab change does
    EXPECT_EQ(Find<QLineEdit>("HeightEdit")->text(), "1024");
    EXPECT_FALSE(Enabled("Undo"));
}

TEST_F(AoiPageTest, FactorRowsAndStoppedPreview)
{
    Open();
    EXPECT_TRUE(Enabled("BinningHorizontal"));
    EXPECT_FALSE(Enabled("DecimationHorizontal")); // min equals max
    EXPECT_FALSE(Enabled("DecimationVertical"));   // missing
    camera_.Host().previewing = true;
    Find<QSpinBox>("BinningHorizontal")->setValue(2);
    EXPECT_EQ(camera_.Get<FakeInteger>("BinningHorizontal")->value, 2);
    EXPECT_EQ(camera_.Host().calls, (std::vector<std::string>{"stop", "start"}));
    // Binning 2 halves the usable width: the area shrinks to it.
    EXPECT_EQ(Find<QLabel>("WidthRange")->text(), "16 - 640");
    EXPECT_EQ(log_, std::vector<std::string>{"Width=640"});
}
