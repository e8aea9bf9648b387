#include "drawing/CColorSelButton.h"
#include "drawing/CDrawingManagement.h"
#include "drawing/CDrawingManagementDlg.h"

#include "TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

void Draw(CDrawingManagement& manager, int32_t tool, QPoint from, QPoint to)
{
    ASSERT_TRUE(manager.SetTool(tool));
    manager.OnPress(from, 0);
    manager.OnMove(0, to);
    manager.OnRelease();
}

template <typename T>
T* Find(const QWidget& dialog, const char* name)
{
    T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QStringList ComboTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

// Picks the entry of `value` as the user would.
void Choose(QComboBox* combo, int value)
{
    const int index = combo->findData(value);
    ASSERT_GE(index, 0) << combo->objectName().toStdString() << " offers no " << value;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList ItemTexts(const QListWidget* list, bool selectedOnly)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        if (!selectedOnly || list->item(i)->isSelected())
            texts.append(list->item(i)->text());
    }
    return texts;
}

DrawingStyle StyleAt(const CDrawingManagement& manager, int index)
{
    DrawingStyle style;
    EXPECT_TRUE(manager.GetObjectStyle(index, style));
    return style;
}

std::vector<QToolButton*> OrderButtons(const QWidget& dialog)
{
    return {Find<QToolButton>(dialog, "mostBackward"), Find<QToolButton>(dialog, "back"),
            Find<QToolButton>(dialog, "front"), Find<QToolButton>(dialog, "mostFront")};
}

// Answers the dialog's questions and records what it asked.
struct ScriptedPrompts {
    QString path;
    bool answer = false;
    QStringList questions;
    QStringList errors;

    CDrawingManagementDlg::Prompts Prompts()
    {
        CDrawingManagementDlg::Prompts prompts;
        prompts.chooseSaveFile = [this](QWidget*) { return path; };
        prompts.chooseLoadFile = [this](QWidget*) { return path; };
        prompts.askYesNo = [this](QWidget*, const QString& question) {
            questions.append(question);
            return answer;
        };
        prompts.showError = [this](QWidget*, const QString& message) { errors.append(message); };
        return prompts;
    }
};

} // namespace

TEST(DrawingPropertyDialog, ButtonsFollowTheObjectCount)
{
    CDrawingManagement manager;
    {
        CDrawingManagementDlg dialog(manager);
        EXPECT_EQ(dialog.windowTitle(), "Draw Properties");
        for (QToolButton* button : OrderButtons(dialog))
            EXPECT_FALSE(button->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(dialog, "setAsDefaultStyle")->isEnabled());
        // Without an object every style control is off; units and grid stay editable.
        EXPECT_FALSE(Find<QComboBox>(dialog, "penStyle")->isEnabled());
        EXPECT_FALSE(Find<QSlider>(dialog, "penWidth")->isEnabled());
        EXPECT_FALSE(Find<QLineEdit>(dialog, "name")->isEnabled());
        EXPECT_FALSE(Find<QCheckBox>(dialog, "lock")->isEnabled());
        EXPECT_TRUE(Find<QLineEdit>(dialog, "lengthUnit")->isEnabled());
        EXPECT_TRUE(Find<QSlider>(dialog, "horizontalGridCount")->isEnabled());
    }

    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    {
        CDrawingManagementDlg dialog(manager);
        for (QToolButton* button : OrderButtons(dialog))
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_TRUE(Find<QPushButton>(dialog, "setAsDefaultStyle")->isEnabled());
        EXPECT_TRUE(Find<QComboBox>(dialog, "penStyle")->isEnabled());
    }

    Draw(manager, kDrawingRectangle, {10, 50}, {100, 90});
    CDrawingManagementDlg dialog(manager);
    for (QToolButton* button : OrderButtons(dialog))
        EXPECT_TRUE(button->isEnabled());
}

TEST(DrawingPropertyDialog, OrderButtonsMoveTheSelectedObject)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    Draw(manager, kDrawingRectangle, {10, 50}, {100, 90});
    Draw(manager, kDrawingEllipse, {10, 150}, {100, 190});
    CDrawingManagementDlg dialog(manager);
    auto* list = Find<QListWidget>(dialog, "drawList");
    EXPECT_EQ(ItemTexts(list, false), (QStringList{"0. Line", "1. Rectangle", "2. Ellipse"}));
    EXPECT_EQ(list->currentRow(), 2); // the topmost selected object

    Find<QToolButton>(dialog, "mostBackward")->click();
    EXPECT_EQ(ItemTexts(list, false), (QStringList{"0. Ellipse", "1. Line", "2. Rectangle"}));
    EXPECT_EQ(list->currentRow(), 0);
    Find<QToolButton>(dialog, "front")->click();
    EXPECT_EQ(manager.ObjectListLines(), (QStringList{"0. Line", "1. Ellipse", "2. Rectangle"}));
    EXPECT_EQ(list->currentRow(), 1);
    Find<QToolButton>(dialog, "mostFront")->click();
    EXPECT_EQ(manager.ObjectListLines(), (QStringList{"0. Line", "1. Rectangle", "2. Ellipse"}));
    EXPECT_EQ(list->currentRow(), 2);
    Find<QToolButton>(dialog, "front")->click(); // already on top: stays
    EXPECT_EQ(list->currentRow(), 2);
    Find<QToolButton>(dialog, "back")->click();
    EXPECT_EQ(ItemTexts(list, false), (QStringList{"0. Line", "1. Ellipse", "2. Rectangle"}));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(Find<QLineEdit>(dialog, "name")->text(), "Ellipse");
}

TEST(DrawingPropertyDialog, SelectingALineShowsThatObject)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    Draw(manager, kDrawingText, {50, 50}, {50, 50});
    CDrawingManagementDlg dialog(manager);
    auto* penStyle = Find<QComboBox>(dialog, "penStyle");
    auto* displayType = Find<QListWidget>(dialog, "displayType");

    // The text object: no pen style, and its own display types.
    EXPECT_EQ(Find<QListWidget>(dialog, "drawList")->currentRow(), 1);
    EXPECT_FALSE(penStyle->isEnabled());
    EXPECT_EQ(ItemTexts(displayType, false), (QStringList{"Name", "Date", "Time"}));
    EXPECT_EQ(ItemTexts(displayType, true), (QStringList{"Name"}));
    EXPECT_FALSE(Find<QComboBox>(dialog, "brushType")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>(dialog, "backMode")->isEnabled());

    Find<QListWidget>(dialog, "drawList")->setCurrentRow(0);
    EXPECT_EQ(manager.TopSelectedIndex(), 0);
    EXPECT_EQ(manager.CountSelected(), 1);
    EXPECT_TRUE(penStyle->isEnabled());
    EXPECT_EQ(ComboTexts(penStyle).size(), 6);
    EXPECT_EQ(penStyle->currentText(), "Solid");
    EXPECT_EQ(ItemTexts(displayType, false), (QStringList{"Name", "Width", "Height", "Length"}));
    EXPECT_EQ(ItemTexts(displayType, true), (QStringList{"Length"}));
    EXPECT_EQ(Find<QLineEdit>(dialog, "name")->text(), "Line");
    EXPECT_EQ(dialog.findChild<QTabWidget*>()->tabText(0), "Pen / Brush");

    // A click on the line already shown selects its object on the image too.
    manager.SelectOnly(0, false);
    auto* list = Find<QListWidget>(dialog, "drawList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(manager.CountSelected(), 1);
    EXPECT_EQ(manager.TopSelectedIndex(), 0);
}

TEST(DrawingPropertyDialog, HatchEnablesTheBrushStyle)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingRectangle, {10, 50}, {100, 90});
    CDrawingManagementDlg dialog(manager);
    auto* brushType = Find<QComboBox>(dialog, "brushType");
    auto* brushStyle = Find<QComboBox>(dialog, "brushStyle");
    EXPECT_TRUE(brushType->isEnabled());
    EXPECT_FALSE(brushStyle->isEnabled());
    EXPECT_FALSE(Find<CColorSelButton>(dialog, "brushColor")->isEnabled());

    Choose(brushType, kBrushHatch);
    EXPECT_TRUE(brushStyle->isEnabled());
    EXPECT_EQ(StyleAt(manager, 0).brushType, kBrushHatch);
    Choose(brushStyle, 4);
    EXPECT_EQ(brushStyle->currentText(), "Horizontal and vertical cross");
    EXPECT_EQ(StyleAt(manager, 0).brushHatchStyle, 4);

    Choose(brushType, kBrushSolid);
    EXPECT_FALSE(brushStyle->isEnabled());
    EXPECT_TRUE(Find<CColorSelButton>(dialog, "brushColor")->isEnabled());
    EXPECT_EQ(StyleAt(manager, 0).brushType, kBrushSolid);
}

TEST(DrawingPropertyDialog, PenWidthLimitsThePenStyles)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    Draw(manager, kDrawingCross, {10, 50}, {50, 90});
    CDrawingManagementDlg dialog(manager);
    auto* penStyle = Find<QComboBox>(dialog, "penStyle");
    auto* penWidth = Find<QSlider>(dialog, "penWidth");

    penWidth->setValue(3);
    EXPECT_EQ(StyleAt(manager, 1).penWidth, 3);
    EXPECT_EQ(Find<QLineEdit>(dialog, "penWidthValue")->text(), "3");
    EXPECT_EQ(ComboTexts(penStyle), (QStringList{"Solid", "Dash", "Dot", "Null"}));
    Choose(penStyle, kPenDot);
    EXPECT_EQ(StyleAt(manager, 1).penStyle, kPenDot);
    EXPECT_TRUE(Find<QComboBox>(dialog, "backMode")->isEnabled()); // styled pen: background shows

    Find<QListWidget>(dialog, "drawList")->setCurrentRow(0);
    EXPECT_EQ(ComboTexts(penStyle).size(), 6);
    penWidth->setValue(3);
    EXPECT_EQ(ComboTexts(penStyle), (QStringList{"Solid", "Null"}));
    EXPECT_EQ(penStyle->currentText(), "Solid");
    EXPECT_EQ(StyleAt(manager, 0).penWidth, 3);
}

TEST(DrawingPropertyDialog, EditsReachTheManager)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingArc, {10, 10}, {100, 100});
    CDrawingManagementDlg dialog(manager);

    auto* name = Find<QLineEdit>(dialog, "name");
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, " A");
    EXPECT_EQ(StyleAt(manager, 0).name, "Arc A");
    EXPECT_EQ(Find<QListWidget>(dialog, "drawList")->item(0)->text(), "0. Arc A");
    EXPECT_EQ(name->cursorPosition(), 5); // the reload after each key keeps the caret

    // "Degree" on: the arc keeps its corner coordinates (0x5) and its length.
    auto* displayType = Find<QListWidget>(dialog, "displayType");
    displayType->item(4)->setSelected(true);
    EXPECT_EQ(StyleAt(manager, 0).dispTextMode, 0x25 | kTextDegree);

    Find<QCheckBox>(dialog, "lock")->click();
    EXPECT_EQ(StyleAt(manager, 0).lock, 1);
    Find<QCheckBox>(dialog, "hide")->click();
    EXPECT_EQ(StyleAt(manager, 0).hide, 1);

    emit Find<CColorSelButton>(dialog, "penColor")->colorChosen(0x00336699);
    EXPECT_EQ(StyleAt(manager, 0).penColor, 0x00336699u);
    EXPECT_EQ(Find<CColorSelButton>(dialog, "penColor")->Color(), 0x00336699u);
    emit Find<CColorSelButton>(dialog, "textColor")->colorChosen(0x000000FF);
    EXPECT_EQ(StyleAt(manager, 0).textColor, 0x000000FFu);
    Choose(Find<QComboBox>(dialog, "textBackMode"), kBackOpaque);
    EXPECT_EQ(StyleAt(manager, 0).textBackMode, kBackOpaque);
    EXPECT_EQ(StyleAt(manager, 0).selected, 1); // the selection is left as it was
}

TEST(DrawingPropertyDialog, GeneralAndGridEditsReachTheManager)
{
    CDrawingManagement manager;
    CDrawingManagementDlg dialog(manager);

    auto* pixelSizeX = Find<QLineEdit>(dialog, "pixelSizeX");
    EXPECT_EQ(pixelSizeX->text(), "1.000000");
    pixelSizeX->clear();
    QTest::keyClicks(pixelSizeX, "0.25");
    EXPECT_DOUBLE_EQ(manager.Defaults().units.pixelSizeX, 0.25);
    EXPECT_EQ(pixelSizeX->text(), "0.25");
    QTest::keyClicks(pixelSizeX, "x"); // not a number: the last value stays
    EXPECT_DOUBLE_EQ(manager.Defaults().units.pixelSizeX, 0.25);

    auto* lengthUnit = Find<QLineEdit>(dialog, "lengthUnit");
    EXPECT_EQ(lengthUnit->text(), "[pixel]");
    lengthUnit->clear();
    QTest::keyClicks(lengthUnit, "mm");
    EXPECT_EQ(manager.Defaults().units.lengthUnit, "mm");
    Find<QCheckBox>(dialog, "drawOnSnapshot")->click();
    EXPECT_TRUE(manager.DrawOnSnapshot());

    Find<QSlider>(dialog, "horizontalGridCount")->setValue(3);
    Find<QSlider>(dialog, "verticalGridCount")->setValue(1);
    EXPECT_EQ(manager.Defaults().grid.horizontalCount, 3);
    EXPECT_EQ(manager.Defaults().grid.verticalCount, 1);
    EXPECT_EQ(manager.Defaults().units.lengthUnit, "mm"); // one block: earlier edits stay

    auto* gridPenStyle = Find<QComboBox>(dialog, "gridPenStyle");
    auto* gridBackMode = Find<QComboBox>(dialog, "gridBackMode");
    EXPECT_FALSE(gridBackMode->isEnabled());
    Choose(gridPenStyle, kPenDash);
    EXPECT_TRUE(gridBackMode->isEnabled());
    Choose(gridBackMode, kBackOpaque);
    EXPECT_EQ(manager.Defaults().grid.backMode, kBackOpaque);
    Find<QSlider>(dialog, "gridPenWidth")->setValue(2);
    EXPECT_EQ(ComboTexts(gridPenStyle), (QStringList{"Solid", "Null"}));
    EXPECT_EQ(manager.Defaults().grid.penWidth, 2);
}

TEST(DrawingPropertyDialog, SetAsDefaultStyleGoesToNewObjects)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingRectangle, {10, 50}, {100, 90});
    CDrawingManagementDlg dialog(manager);
    emit Find<CColorSelButton>(dialog, "penColor")->colorChosen(0x0000FF00);
    Find<QSlider>(dialog, "penWidth")->setValue(5);
    EXPECT_NE(manager.DefaultStyle().penColor, 0x0000FF00u);

    Find<QPushButton>(dialog, "setAsDefaultStyle")->click();
    EXPECT_EQ(manager.DefaultStyle().penColor, 0x0000FF00u);
    EXPECT_EQ(manager.DefaultStyle().penWidth, 5);
    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    EXPECT_EQ(StyleAt(manager, 1).penColor, 0x0000FF00u);
    EXPECT_EQ(StyleAt(manager, 1).penWidth, 5);
}

TEST(DrawingPropertyDialog, SaveAsksToRegisterAndLoadRestores)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    Draw(manager, kDrawingPolygon, {10, 50}, {100, 90});
    ASSERT_TRUE(manager.FinishCreation());
    manager.SetDrawingFileName(QStringLiteral("/data/initial.drw"));
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("saved.drw"));

    CDrawingManagementDlg dialog(manager);
    ScriptedPrompts prompts;
    prompts.path = path;
    dialog.SetPrompts(prompts.Prompts());
    QStringList registered;
    dialog.SetInitialFileRegistrar([&registered](const QString& file) { registered.append(file); });
    Choose(Find<QComboBox>(dialog, "polyFillMode"), kFillWinding);
    Find<QSlider>(dialog, "horizontalGridCount")->setValue(4);

    prompts.answer = false;
    Find<QPushButton>(dialog, "save")->click();
    EXPECT_EQ(prompts.questions, QStringList{"Do you want to register this file as initial setting file?"});
    EXPECT_EQ(manager.DrawingFileName(), "/data/initial.drw");
    EXPECT_TRUE(registered.isEmpty());

    prompts.answer = true;
    Find<QPushButton>(dialog, "save")->click();
    EXPECT_EQ(manager.DrawingFileName(), path);
    EXPECT_EQ(registered, QStringList{path});
    EXPECT_TRUE(prompts.errors.isEmpty());

    // The file as a plain reader sees it.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("[DrawingObject_1]")));
    EXPECT_TRUE(text.contains(QStringLiteral("HorizontalGridCount=4")));
    EXPECT_TRUE(text.contains(QStringLiteral("PolyFillMode=2")));

    const DrawingStyle saved = StyleAt(manager, 1);
    Find<QSlider>(dialog, "horizontalGridCount")->setValue(0);
    manager.SelectOnly(0, true);
    ASSERT_TRUE(manager.DeleteSelected());
    dialog.Reload();
    EXPECT_EQ(Find<QListWidget>(dialog, "drawList")->count(), 1);

    Find<QPushButton>(dialog, "load")->click();
    EXPECT_TRUE(prompts.errors.isEmpty());
    EXPECT_EQ(manager.ObjectListLines(), (QStringList{"0. Line", "1. Polygon"}));
    EXPECT_EQ(ItemTexts(Find<QListWidget>(dialog, "drawList"), false), manager.ObjectListLines());
    EXPECT_EQ(manager.Defaults().grid.horizontalCount, 4);
    EXPECT_EQ(Find<QSlider>(dialog, "horizontalGridCount")->value(), 4);
    DrawingStyle loaded = StyleAt(manager, 1);
    loaded.selected = saved.selected; // not kept in the file
    EXPECT_EQ(loaded, saved);
}

TEST(DrawingPropertyDialog, FailedSaveOrLoadIsReported)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    manager.SetDrawingFileName(QStringLiteral("/data/initial.drw"));
    TempDir dir;
    CDrawingManagementDlg dialog(manager);
    ScriptedPrompts prompts;
    prompts.answer = true;
    prompts.path = QString::fromStdString(dir.file("missing/folder/saved.drw"));
    dialog.SetPrompts(prompts.Prompts());

    Find<QPushButton>(dialog, "save")->click();
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.questions.isEmpty()); // an unwritten file is never registered
    EXPECT_EQ(manager.DrawingFileName(), "/data/initial.drw");

    Find<QPushButton>(dialog, "load")->click();
    EXPECT_EQ(prompts.errors.size(), 2);
    EXPECT_EQ(manager.ObjectCount(), 1); // an unreadable file leaves the drawing

    prompts.path.clear(); // chooser cancelled
    Find<QPushButton>(dialog, "save")->click();
    Find<QPushButton>(dialog, "load")->click();
    EXPECT_EQ(prompts.errors.size(), 2);
}

TEST(DrawingPropertyDialog, StaleListNeverRestylesAnotherObject)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    Draw(manager, kDrawingText, {50, 50}, {50, 50});
    CDrawingManagementDlg dialog(manager);
    Find<QListWidget>(dialog, "drawList")->setCurrentRow(0);

    // The line goes behind the dialog's back; line 0 now holds the text.
    ASSERT_TRUE(manager.DeleteSelected());
    const DrawingStyle text = StyleAt(manager, 0);
    Find<QSlider>(dialog, "penWidth")->setValue(7);
    EXPECT_EQ(StyleAt(manager, 0), text);
    EXPECT_EQ(ItemTexts(Find<QListWidget>(dialog, "drawList"), false), QStringList{"0. Text"});
    EXPECT_FALSE(Find<QComboBox>(dialog, "penStyle")->isEnabled());
}

TEST(DrawingPropertyDialog, OkClosesNotifiesAndDeletes)
{
    CDrawingManagement manager;
    QPointer<CDrawingManagementDlg> dialog = new CDrawingManagementDlg(manager);
    dialog->show();
    QSignalSpy closed(dialog.data(), &CDrawingManagementDlg::closed);
    Find<QPushButton>(*dialog, "ok")->click();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST(ColorSelButton, FaceShowsTheColourOrTheDisabledCross)
{
    CColorSelButton button;
    button.resize(30, 30);
    button.SetColor(0x000000FF); // red
    QImage face = button.grab().toImage();
    EXPECT_EQ(face.pixelColor(15, 15), QColor(255, 0, 0));
    EXPECT_NE(face.pixelColor(0, 0), QColor(255, 0, 0)); // border
    EXPECT_EQ(face.pixelColor(10, 5), QColor(255, 0, 0));

    button.setEnabled(false);
    face = button.grab().toImage();
    const QColor buttonFace = button.palette().color(QPalette::Button);
    EXPECT_EQ(face.pixelColor(15, 3), buttonFace);
    EXPECT_NE(face.pixelColor(5, 5), buttonFace); // on the diagonal from the top-left corner
    EXPECT_EQ(button.Color(), 0x000000FFu);
}

TEST(DrawingPropertyDialog, PagesShowEveryTextUnclipped)
{
    CDrawingManagement manager;
    Draw(manager, kDrawingPolygon, {10, 50}, {100, 90});
    ASSERT_TRUE(manager.FinishCreation());
    Draw(manager, kDrawingLine, {10, 10}, {100, 10});
    CDrawingManagementDlg dialog(manager);
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>();
    const QString shots = qEnvironmentVariable("LUMIVEX_SCREENSHOT_DIR");
    const QStringList captions{"Pen / Brush", "Text", "Other", "General", "Grid"};
    ASSERT_EQ(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        tabs->setCurrentIndex(i);
        // A page shown for the first time lays out in two rounds of events.
        for (int round = 0; round < 2; ++round) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        const QImage image = dialog.grab().toImage();
        if (!shots.isEmpty())
            image.save(shots + QStringLiteral("/draw-properties-%1.png").arg(i + 1));
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            const bool textual = qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget) ||
                                 qobject_cast<QComboBox*>(widget) ||
                                 (qobject_cast<QPushButton*>(widget) && !qobject_cast<CColorSelButton*>(widget));
            if (!textual)
                continue;
            EXPECT_GE(widget->width(), widget->sizeHint().width())
                << captions[i].toStdString() << ": " << widget->metaObject()->className() << " "
                << widget->objectName().toStdString();
            EXPECT_TRUE(dialog.rect().contains(QRect(widget->mapTo(&dialog, QPoint(0, 0)), widget->size())));
        }
    }
}
