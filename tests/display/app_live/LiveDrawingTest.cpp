// Drawing over the main window's live image the way a user does it: every
// kind picked on the toolbar or the popup and placed with the mouse, moved
// and deleted, the "Draw Properties" window beside the image, and a drawing
// file registered for the camera and loaded again when the camera is
// connected the next time.
#include "LiveMainWindow.h"

#include "app/CLumivexDlg.h"
#include "camera/CameraConnection.h"
#include "display/GlDisplayWindow.h"
#include "drawing/CDrawingManagement.h"
#include "drawing/CDrawingManagementDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
// Twelve cells of 256 x 256 pixels, four to a row, one shape in each.
constexpr int kCellSize = 256;
constexpr int kCellsPerRow = 4;
constexpr int kFrameWaitMs = 400;
constexpr int kChooserWaitMs = 5000;

// The style the user keeps in the drawing file: an orange pen two pixels
// wide, black texts on a pale yellow ground (colours as 0x00BBGGRR).
constexpr uint32_t kPenRef = 0x000080FF;
constexpr QRgb kPen = qRgb(255, 128, 0);
constexpr uint32_t kTextBackRef = 0x00C8FFFF;
constexpr QRgb kTextBack = qRgb(255, 255, 200);
constexpr int kPenWidth = 2;

QPoint CellOrigin(int cell)
{
    return QPoint(cell % kCellsPerRow * kCellSize, cell / kCellsPerRow * kCellSize);
}

// A point of the shape in cell `cell`, given within the cell. Only the
// first column keeps room on the left for texts that run left of a shape;
// the others give it to the texts that run right, up to the image's edge.
QPoint At(int cell, int x, int y)
{
    constexpr int kLeftShift = 70;
    return CellOrigin(cell) + QPoint(cell % kCellsPerRow == 0 ? x : x - kLeftShift, y);
}

bool Near(QRgb pixel, QRgb colour, int tolerance)
{
    return std::abs(qRed(pixel) - qRed(colour)) <= tolerance && std::abs(qGreen(pixel) - qGreen(colour)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(colour)) <= tolerance;
}

// Whether a pixel of the pen's colour lies within two pixels of p.
bool PenNear(const QImage& image, QPointF p, QRgb pen = kPen)
{
    const QPoint centre = p.toPoint();
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint q = centre + QPoint(dx, dy);
            if (image.rect().contains(q) && Near(image.pixel(q), pen, 12))
                return true;
        }
    }
    return false;
}

testing::AssertionResult PenAlong(const QImage& image, const std::vector<QPointF>& points)
{
    for (const QPointF& p : points) {
        if (!PenNear(image, p))
            return testing::AssertionFailure() << "no pen colour near (" << p.x() << ", " << p.y() << ")";
    }
    return testing::AssertionSuccess();
}

QPointF Middle(QPoint a, QPoint b)
{
    return QPointF(a + b) / 2.0;
}

// Whether a measurement text stands beside anchor, running away from it in
// the direction (dx, dy) (0: centred on that axis): its ground fills most of
// the strip there and black glyphs are written on it.
testing::AssertionResult TextAt(const QImage& image, QPoint anchor, int dx, int dy)
{
    constexpr int kLength = 56;
    constexpr int kDepth = 9;
    const int left = dx > 0 ? anchor.x() + 1 : dx < 0 ? anchor.x() - kLength : anchor.x() - kLength / 2;
    const int top = dy > 0 ? anchor.y() + 2 : dy < 0 ? anchor.y() - kDepth - 2 : anchor.y() - kDepth / 2;
    const QRect strip = QRect(left, top, kLength, kDepth).intersected(image.rect());
    int ground = 0;
    int glyph = 0;
    for (int y = strip.top(); y <= strip.bottom(); ++y) {
        for (int x = strip.left(); x <= strip.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ground += Near(pixel, kTextBack, 6) ? 1 : 0;
            glyph += qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 200 ? 1 : 0;
        }
    }
    const int area = strip.width() * strip.height();
    if (area == 0 || ground * 2 < area || glyph < 3)
        return testing::AssertionFailure() << "no text beside (" << anchor.x() << ", " << anchor.y() << "): " << ground
                                           << " ground and " << glyph << " glyph pixels of " << area;
    return testing::AssertionSuccess();
}

// Writes the drawing file the user starts from: one rounded rectangle in cell
// 0 showing its name, width and height, and the default style for new shapes.
bool WriteStartingDrawing(const QString& path, QPoint corner0, QPoint corner1)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    const auto style = [&](int textMode) {
        out << "PenStyle=0\nPenWidth=" << kPenWidth << "\nPenColor=" << kPenRef << "\nBrushType=0\nTextColor=0\n"
            << "TextBackMode=2\nTextBackColor=" << kTextBackRef << "\nBackMode=1\nDispTextMode=" << textMode << "\n";
    };
    out << "[DrawingManagement]\nCount=1\n";
    out << "[DrawingObject_0]\nDrawingType=12\nPointCount=2\n"
        << "Point_0_x=" << corner0.x() << "\nPoint_0_y=" << corner0.y() << "\n"
        << "Point_1_x=" << corner1.x() << "\nPoint_1_y=" << corner1.y() << "\nLock=0\nHide=0\nName=Round Rect\n";
    style(0x1810);
    out << "[DefaultDrawingObject]\n";
    style(0);
    return out.status() == QTextStream::Ok;
}

// Answers the next file chooser with path, as the user would by typing it
// into its file name field and pressing its accept button.
void AnswerFileChooser(const QString& path)
{
    auto* timer = new QTimer;
    auto* elapsed = new QElapsedTimer;
    elapsed->start();
    const auto stop = [timer, elapsed] {
        timer->stop();
        timer->deleteLater();
        delete elapsed;
    };
    QObject::connect(timer, &QTimer::timeout, [stop, elapsed, path] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = chooser != nullptr ? chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (name != nullptr && chooser->isVisible()) {
            name->setText(path);
            static_cast<QDialog*>(chooser)->accept();
            if (!chooser->isVisible())
                return stop();
        }
        if (elapsed->elapsed() < kChooserWaitMs)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        ADD_FAILURE() << "the file chooser did not take " << path.toStdString() << "; the modal window is "
                      << (modal != nullptr ? modal->metaObject()->className() : "none");
        if (modal != nullptr)
            modal->close();
        stop();
    });
    timer->start(20);
}

// While it lives, a message box of the system's own (instead of one through
// the window's prompts, which the test answers) fails the test and is closed.
class NoSystemMessageBoxes {
public:
    NoSystemMessageBoxes()
    {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "a system message box asked: " << box->text().toStdString();
                box->reject();
            }
        });
        timer_.start(50);
    }

private:
    QTimer timer_;
};

// The value of key in a section of an INI-form file, read as plain text.
std::string IniValue(const std::string& path, const std::string& section, const std::string& key)
{
    std::ifstream in(path);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.front() == '[') {
            inSection = line == "[" + section + "]";
            continue;
        }
        if (inSection && line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    }
    return {};
}

class LiveDrawing : public ::testing::Test {
protected:
    static SimOptions Options()
    {
        SimOptions options;
        options.width = kWidth;
        options.height = kHeight;
        options.colour = true;
        return options;
    }

    static void ShowAtOrigin(LiveMainWindow& live)
    {
        live.Window().move(0, 0);
        live.Window().Action(CLumivexDlg::kZoomX1)->trigger();
        WaitLive(100);
    }

    static QWidget* Image(LiveMainWindow& live) { return live.Window().MainDisplay().DisplayWindow()->Widget(); }

    static void Drag(QWidget* image, QPoint from, QPoint to)
    {
        QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(image, Middle(from, to).toPoint());
        QTest::mouseMove(image, to);
        QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, to);
    }

    static void Click(QWidget* image, QPoint p)
    {
        QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, p);
    }

    static void Finish(QWidget* image, QPoint p) { QTest::mouseClick(image, Qt::RightButton, Qt::NoModifier, p); }

    // Opens "Draw Properties" from the menu, beside the main window.
    static CDrawingManagementDlg* OpenProperties(LiveMainWindow& live)
    {
        live.Window().Action(CLumivexDlg::kDrawProperty)->trigger();
        auto* dialog = live.Window().findChild<CDrawingManagementDlg*>();
        if (dialog != nullptr) {
            dialog->move(live.Window().frameGeometry().right() + 10, 0);
            WaitLive(100);
        }
        return dialog;
    }

    static void ClickButton(QWidget* dialog, const char* name)
    {
        auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    // "OK" closes the dialog, which deletes itself.
    static void CloseProperties(CDrawingManagementDlg* dialog)
    {
        ClickButton(dialog, "ok");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(LiveDrawing, EveryKindDrawnWithTheMouseShowsOnTheLiveImage)
{
    LiveMainWindow live;
    ASSERT_TRUE(live.Start(Options()));
    ShowAtOrigin(live);
    CLumivexDlg& window = live.Window();
    CDrawingManagement& manager = *live.Context().drawingManager;
    QWidget* image = Image(live);

    // The user starts from a drawing file holding a rounded rectangle (no
    // mode draws one) and the orange default style.
    const QPoint roundRect0 = At(0, 110, 70);
    const QPoint roundRect1 = At(0, 200, 190);
    const QString startFile = QString::fromStdString(live.Dir().file("start.drw"));
    ASSERT_TRUE(WriteStartingDrawing(startFile, roundRect0, roundRect1));
    CDrawingManagementDlg* properties = OpenProperties(live);
    ASSERT_NE(properties, nullptr);
    AnswerFileChooser(startFile);
    ClickButton(properties, "load");
    ASSERT_EQ(manager.ObjectCount(), 1);

    // Modes 1 to 11 draw their kinds into cells 1 to 11.
    const auto mode = [&](int kind) { window.DrawingModeAction(kind)->trigger(); };
    const QPoint line0 = At(1, 110, 190), line1 = At(1, 200, 70);
    mode(kDrawingLine);
    Drag(image, line0, line1);

    const QPoint rect0 = At(2, 110, 70), rect1 = At(2, 200, 190);
    mode(kDrawingRectangle);
    Drag(image, rect0, rect1);

    const QPoint ellipse0 = At(3, 110, 70), ellipse1 = At(3, 200, 190);
    mode(kDrawingEllipse);
    Drag(image, ellipse0, ellipse1);

    const QPoint text = At(4, 200, 130);
    mode(kDrawingText);
    Click(image, text);

    // Arm end, vertex, arm end: the inner angle measured clockwise.
    const QPoint degree0 = At(5, 180, 80), vertex = At(5, 110, 190), degree2 = At(5, 200, 190);
    mode(kDrawingDegree);
    Drag(image, degree0, vertex);
    Drag(image, vertex, degree2);

    const std::vector<QPoint> polygon{At(6, 110, 180), At(6, 140, 70), At(6, 200, 110), At(6, 170, 200)};
    mode(kDrawingPolygon);
    Drag(image, polygon[0], polygon[1]);
    Click(image, polygon[2]);
    Click(image, polygon[3]);
    Finish(image, polygon[3]);

    const QPoint base0 = At(7, 110, 190), base1 = At(7, 200, 190), apex = At(7, 150, 80);
    mode(kDrawingPerpendicular);
    Drag(image, base0, base1);
    Click(image, apex);
    Finish(image, apex);

    // A circle's box, then the rays at 0 and 180 degrees: the upper half.
    const QPoint arc0 = At(8, 110, 70), arc1 = At(8, 200, 160);
    const QPoint arcCentre = At(8, 155, 115);
    const QPoint arcStart = At(8, 200, 115), arcEnd = At(8, 110, 115);
    mode(kDrawingArc);
    Drag(image, arc0, arc1);
    Click(image, arcStart);
    Click(image, arcEnd);

    const std::vector<QPoint> bezier{At(9, 110, 190), At(9, 120, 60), At(9, 200, 200), At(9, 200, 70)};
    mode(kDrawingBezier);
    Drag(image, bezier[0], bezier[1]);
    Click(image, bezier[2]);
    Click(image, bezier[3]);
    Finish(image, bezier[3]);

    std::vector<QPoint> stroke;
    for (int k = 0; k <= 18; ++k)
        stroke.push_back(At(10, 110 + 5 * k, 130 + int(std::lround(40 * std::sin(k * std::numbers::pi / 9)))));
    mode(kDrawingFreeHand);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, stroke.front());
    for (size_t k = 1; k < stroke.size(); ++k)
        QTest::mouseMove(image, stroke[k]);
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, stroke.back());

    const QPoint cross0 = At(11, 110, 70), cross1 = At(11, 200, 190);
    mode(kDrawingCross);
    Drag(image, cross0, cross1);

    // The text object gets its text, date and time on the "Text" page.
    auto* list = properties->findChild<QListWidget*>(QStringLiteral("drawList"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 12);
    list->setCurrentRow(kDrawingText);
    properties->findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(1);
    auto* name = properties->findChild<QLineEdit*>(QStringLiteral("name"));
    ASSERT_NE(name, nullptr);
    ASSERT_TRUE(name->isEnabled());
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Lumivex"));
    auto* displayType = properties->findChild<QListWidget*>(QStringLiteral("displayType"));
    ASSERT_NE(displayType, nullptr);
    for (const QString& entry : {QStringLiteral("Date"), QStringLiteral("Time")}) {
        const QList<QListWidgetItem*> items = displayType->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << entry.toStdString();
        items.front()->setSelected(true);
    }
    CloseProperties(properties);
    mode(kDrawingSelect);
    EXPECT_TRUE(live.Prompts().shown.empty()) << live.Prompts().Texts().join(' ').toStdString();

    const std::vector<std::pair<int32_t, std::vector<QPoint>>> expected{
        {kDrawingRoundRect, {roundRect0, roundRect1}},
        {kDrawingLine, {line0, line1}},
        {kDrawingRectangle, {rect0, rect1}},
        {kDrawingEllipse, {ellipse0, ellipse1}},
        {kDrawingText, {text}},
        {kDrawingDegree, {degree0, vertex, degree2}},
        {kDrawingPolygon, polygon},
        {kDrawingPerpendicular, {base0, base1, apex}},
        {kDrawingArc, {arc0, arc1, arcStart, arcEnd}},
        {kDrawingBezier, bezier},
        {kDrawingFreeHand, stroke},
        {kDrawingCross, {cross0, cross1}},
    };
    ASSERT_EQ(manager.ObjectCount(), int(expected.size()));
    for (int i = 0; i < manager.ObjectCount(); ++i) {
        DrawingStyle style;
        ASSERT_TRUE(manager.GetObjectStyle(i, style));
        EXPECT_EQ(style.drawingType, expected[i].first) << "object " << i;
        EXPECT_EQ(style.penColor, kPenRef) << "object " << i;
        EXPECT_EQ(manager.ObjectPoints(i), expected[i].second) << "object " << i;
        EXPECT_EQ(style.selected, 0) << "object " << i;
    }
    DrawingStyle textStyle;
    ASSERT_TRUE(manager.GetObjectStyle(kDrawingText, textStyle));
    EXPECT_EQ(textStyle.name.toStdString(), "Lumivex");
    EXPECT_EQ(textStyle.dispTextMode, kTextName | kTextDate | kTextTime);

    WaitLive(kFrameWaitMs);
    const QImage shown = live.DisplayedImage();
    ASSERT_EQ(shown.size(), QSize(kWidth, kHeight));
    LiveMainWindow::SaveScreenshot(QStringLiteral("live-drawings"));

    // The outlines, where the pen runs.
    const auto edges = [](QPoint a, QPoint b) {
        return std::vector<QPointF>{Middle(a, QPoint(b.x(), a.y())), Middle(a, QPoint(a.x(), b.y())),
                                    Middle(QPoint(b.x(), a.y()), b), Middle(QPoint(a.x(), b.y()), b)};
    };
    EXPECT_TRUE(PenAlong(shown, edges(roundRect0, roundRect1 + QPoint(1, 1)))) << "round rect";
    EXPECT_TRUE(PenAlong(shown, {QPointF(line0), Middle(line0, line1), QPointF(line1)})) << "line";
    EXPECT_TRUE(PenAlong(shown, edges(rect0, rect1 + QPoint(1, 1)))) << "rectangle";
    EXPECT_TRUE(PenAlong(shown, edges(ellipse0, ellipse1 + QPoint(1, 1)))) << "ellipse";
    EXPECT_TRUE(PenAlong(shown, {Middle(degree0, vertex), Middle(vertex, degree2)})) << "degree";
    EXPECT_TRUE(PenAlong(shown, {Middle(polygon[0], polygon[1]), Middle(polygon[1], polygon[2]),
                                 Middle(polygon[2], polygon[3]), Middle(polygon[3], polygon[0])}))
        << "polygon with its closing edge";
    EXPECT_TRUE(PenAlong(shown, {Middle(base0, base1), Middle(apex, QPoint(apex.x(), base0.y()))})) << "perpendicular";
    const double radius = (arc1.x() - arc0.x()) / 2.0;
    EXPECT_TRUE(PenAlong(
        shown, {QPointF(arcCentre.x(), arc0.y()), QPointF(arcCentre) + QPointF(radius, -radius) / std::numbers::sqrt2}))
        << "arc";
    EXPECT_FALSE(PenNear(shown, QPointF(arcCentre.x(), arc1.y()))) << "the arc's lower half is drawn";
    EXPECT_TRUE(PenAlong(shown, {QPointF(bezier[0] + 3 * bezier[1] + 3 * bezier[2] + bezier[3]) / 8.0})) << "bezier";
    EXPECT_FALSE(PenNear(shown, QPointF(bezier[1]))) << "the bezier runs through its control point";
    EXPECT_TRUE(PenAlong(shown, {QPointF(stroke[4]), QPointF(stroke[9]), QPointF(stroke[14])})) << "free hand";
    const QPoint crossCentre = (cross0 + cross1) / 2;
    EXPECT_TRUE(PenAlong(shown, {QPointF(cross0.x() + 5, crossCentre.y()), QPointF(crossCentre.x(), cross1.y() - 5)}))
        << "cross";

    // The measurement texts, where the drawings place them.
    const int g = kPenWidth;
    EXPECT_TRUE(TextAt(shown, roundRect0 + QPoint(0, -g), 1, -1)) << "round rect width";
    EXPECT_TRUE(TextAt(shown, roundRect0 + QPoint(-g, 0), -1, 1)) << "round rect height";
    EXPECT_TRUE(TextAt(shown, roundRect0 + QPoint(-g, -g), -1, -1)) << "round rect name";
    EXPECT_TRUE(TextAt(shown, Middle(line0, line1).toPoint() + QPoint(-g, -g), -1, -1)) << "line length";
    EXPECT_TRUE(TextAt(shown, QPoint(rect1.x() + g, rect0.y()), 1, 1)) << "rectangle length";
    EXPECT_TRUE(TextAt(shown, QPoint(rect1.x() + g, rect1.y()), 1, -1)) << "rectangle area";
    EXPECT_TRUE(TextAt(shown, QPoint(ellipse1.x() + g, ellipse0.y()), 1, 1)) << "ellipse length";
    EXPECT_TRUE(TextAt(shown, QPoint(ellipse1.x() + g, ellipse1.y()), 1, -1)) << "ellipse area";
    EXPECT_TRUE(TextAt(shown, text - QPoint(g, g), -1, -1)) << "text";
    EXPECT_TRUE(TextAt(shown, text, 1, -1)) << "date";
    EXPECT_TRUE(TextAt(shown, text, 1, 1)) << "time";
    EXPECT_TRUE(TextAt(shown, vertex + QPoint(-g, g), -1, 1)) << "degree";
    EXPECT_TRUE(TextAt(shown, QPoint(polygon[2].x() + g, polygon[1].y()), 1, 1)) << "polygon length";
    EXPECT_TRUE(TextAt(shown, QPoint(polygon[2].x() + g, polygon[3].y()), 1, -1)) << "polygon area";
    EXPECT_TRUE(TextAt(shown, apex - QPoint(0, g), 0, -1)) << "perpendicular length";
    EXPECT_TRUE(TextAt(shown, QPoint(arc1.x() + g, arc0.y()), 1, -1)) << "arc length";
    EXPECT_TRUE(TextAt(shown, arc0, -1, -1)) << "arc top-left corner";
    EXPECT_TRUE(TextAt(shown, QPoint(arc0.x(), arc1.y()), -1, 1)) << "arc bottom-left corner";

    // Beside the live image, the property window lists all twelve.
    properties = OpenProperties(live);
    ASSERT_NE(properties, nullptr);
    list = properties->findChild<QListWidget*>(QStringLiteral("drawList"));
    ASSERT_NE(list, nullptr);
    const QStringList lines{"0. Round Rect", "1. Line",   "2. Rectangle",  "3. Ellipse",
                            "4. Lumivex",    "5. Degree", "6. Polygon",    "7. Perpendicular",
                            "8. Arc",        "9. Bezier", "10. Free Hand", "11. Cross"};
    QStringList shownLines;
    for (int i = 0; i < list->count(); ++i)
        shownLines << list->item(i)->text();
    EXPECT_EQ(shownLines, lines);
    list->setCurrentRow(kDrawingArc);
    EXPECT_EQ(manager.TopSelectedIndex(), kDrawingArc);

    // A grid on the "Grid" page: three vertical lines and two horizontal
    // ones, black, along the cells' borders and under the drawings, which
    // cover a little of them.
    const auto gridLines = [](const QImage& image) {
        const auto black = [&](QPoint from, QPoint step, int count) {
            int pixels = 0;
            for (int i = 0; i < count; ++i)
                pixels += Near(image.pixel(from + step * i), qRgb(0, 0, 0), 10) ? 1 : 0;
            return pixels;
        };
        int lines = 0;
        for (int x : {256, 512, 768})
            lines += black(QPoint(x, 0), QPoint(0, 1), kHeight) >= kHeight * 9 / 10 ? 1 : 0;
        for (int y : {256, 512})
            lines += black(QPoint(0, y), QPoint(1, 0), kWidth) >= kWidth * 9 / 10 ? 1 : 0;
        return lines;
    };
    EXPECT_EQ(gridLines(live.DisplayedImage()), 0);
    properties->findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(4);
    auto* verticalLines = properties->findChild<QSlider*>(QStringLiteral("horizontalGridCount"));
    auto* horizontalLines = properties->findChild<QSlider*>(QStringLiteral("verticalGridCount"));
    ASSERT_NE(verticalLines, nullptr);
    ASSERT_NE(horizontalLines, nullptr);
    verticalLines->setValue(3);
    horizontalLines->setValue(2);
    WaitLive(kFrameWaitMs);
    EXPECT_EQ(gridLines(live.DisplayedImage()), 5);
    LiveMainWindow::SaveScreenshot(QStringLiteral("live-draw-properties"));
    CloseProperties(properties);
}

TEST_F(LiveDrawing, AShapeChosenFromThePopupIsMovedWithTheMouseAndDeletedFromTheMenu)
{
    LiveMainWindow live;
    ASSERT_TRUE(live.Start(Options()));
    ShowAtOrigin(live);
    CLumivexDlg& window = live.Window();
    CDrawingManagement& manager = *live.Context().drawingManager;
    DrawingStyle style = manager.DefaultStyle();
    style.penColor = kPenRef;
    style.penWidth = kPenWidth;
    manager.SetDefaultStyle(style);
    QWidget* image = Image(live);

    // The right button over the image, with nothing being drawn, brings up
    // the mode popup.
    Finish(image, QPoint(600, 600));
    QMenu* popup = nullptr;
    for (QMenu* menu : window.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (menu->title() == QStringLiteral("Mode"))
            popup = menu;
    }
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->isVisible());
    ASSERT_EQ(popup->actions().size(), CLumivexDlg::kDrawingModeCount);
    QAction* rectangle = popup->actions()[kDrawingRectangle];
    EXPECT_EQ(rectangle->text(), QStringLiteral("Rectangle"));
    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, popup->actionGeometry(rectangle).center());
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(window.DrawingModeAction(kDrawingRectangle)->isChecked());

    const QPoint corner0(300, 300), corner1(500, 450);
    Drag(image, corner0, corner1);
    ASSERT_EQ(manager.ObjectCount(), 1);
    EXPECT_TRUE(window.DrawingModeAction(kDrawingSelect)->isChecked());

    // Pressing the body of the shape and dragging moves all of it.
    const QPoint offset(40, 20);
    Drag(image, QPoint(400, 375), QPoint(400, 375) + offset);
    EXPECT_EQ(manager.ObjectPoints(0), (std::vector<QPoint>{corner0 + offset, corner1 + offset}));
    WaitLive(kFrameWaitMs);
    const QPointF movedLeftEdge(corner0.x() + offset.x(), (corner0.y() + corner1.y()) / 2 + offset.y());
    EXPECT_TRUE(PenNear(live.DisplayedImage(), movedLeftEdge));

    window.UpdateMenus();
    ASSERT_TRUE(window.Action(CLumivexDlg::kDeleteDrawing)->isEnabled());
    window.Action(CLumivexDlg::kDeleteDrawing)->trigger();
    EXPECT_EQ(manager.ObjectCount(), 0);
    EXPECT_FALSE(window.Action(CLumivexDlg::kDeleteDrawing)->isEnabled());
    WaitLive(kFrameWaitMs);
    EXPECT_FALSE(PenNear(live.DisplayedImage(), movedLeftEdge));
}

TEST_F(LiveDrawing, ARegisteredDrawingFileIsLoadedWhenTheCameraIsConnectedAgain)
{
    TempDir dir;
    const std::string settings = dir.file("lumivex.dat");
    const QString unregistered = QString::fromStdString(dir.file("first.drw"));
    const QString registered = QString::fromStdString(dir.file("registered.drw"));
    const QString declined = QString::fromStdString(dir.file("declined.drw"));
    const QString question = QStringLiteral("Do you want to register this file as initial setting file?");
    const QPoint line0(100, 120), line1(400, 300);
    const QPoint rect0(500, 200), rect1(700, 400);
    std::string mac;
    const NoSystemMessageBoxes noSystemMessageBoxes;
    {
        LiveMainWindow live(settings);
        ASSERT_TRUE(live.Start(Options()));
        ShowAtOrigin(live);
        mac = live.Context().FirstCamera()->Identity().macAddress;
        ASSERT_FALSE(mac.empty());
        CDrawingManagement& manager = *live.Context().drawingManager;
        live.Window().DrawingModeAction(kDrawingLine)->trigger();
        Drag(Image(live), line0, line1);
        live.Window().DrawingModeAction(kDrawingRectangle)->trigger();
        Drag(Image(live), rect0, rect1);
        ASSERT_EQ(manager.ObjectCount(), 2);

        CDrawingManagementDlg* properties = OpenProperties(live);
        ASSERT_NE(properties, nullptr);
        // "No" saves the file without registering it.
        live.Prompts().answer = false;
        AnswerFileChooser(unregistered);
        ClickButton(properties, "save");
        EXPECT_TRUE(QFile::exists(unregistered));
        EXPECT_EQ(live.Prompts().questions, QStringList{question});
        EXPECT_TRUE(manager.DrawingFileName().isEmpty());

        live.Prompts().answer = true;
        AnswerFileChooser(registered);
        ClickButton(properties, "save");
        EXPECT_EQ(live.Prompts().questions.size(), 2);
        EXPECT_EQ(manager.DrawingFileName().toStdString(), registered.toStdString());
        // Stored for the camera at once, not only when the program ends.
        EXPECT_EQ(IniValue(settings, mac, "DrawFileName"), registered.toStdString());
        const std::string file = registered.toStdString();
        EXPECT_EQ(IniValue(file, "DrawingManagement", "Count"), "2");
        EXPECT_EQ(IniValue(file, "DrawingObject_0", "DrawingType"), "1");
        EXPECT_EQ(IniValue(file, "DrawingObject_1", "DrawingType"), "2");
        EXPECT_EQ(IniValue(file, "DrawingObject_1", "Point_1_x"), "700");
        EXPECT_TRUE(live.Prompts().shown.empty()) << live.Prompts().Texts().join(' ').toStdString();
        CloseProperties(properties);
    }
    // The settings file keeps it for the camera.
    EXPECT_EQ(IniValue(settings, mac, "DrawFileName"), registered.toStdString());

    {
        LiveMainWindow live(settings);
        ASSERT_TRUE(live.Start(Options(), LiveMainWindow::Connection::ConnectCommand));
        ShowAtOrigin(live);
        CDrawingManagement& manager = *live.Context().drawingManager;
        EXPECT_EQ(manager.DrawingFileName().toStdString(), registered.toStdString());
        ASSERT_EQ(manager.ObjectCount(), 2);
        EXPECT_EQ(manager.ObjectPoints(0), (std::vector<QPoint>{line0, line1}));
        EXPECT_EQ(manager.ObjectPoints(1), (std::vector<QPoint>{rect0, rect1}));
        // The loaded drawing is on the live image: black lines in the default style.
        WaitLive(kFrameWaitMs);
        const QImage shown = live.DisplayedImage();
        for (int i = 1; i < 10; ++i)
            EXPECT_TRUE(PenNear(shown, QPointF(line0) + QPointF(line1 - line0) * i / 10.0, qRgb(0, 0, 0))) << i;

        // Declining keeps the registered file.
        CDrawingManagementDlg* properties = OpenProperties(live);
        ASSERT_NE(properties, nullptr);
        live.Prompts().answer = false;
        AnswerFileChooser(declined);
        ClickButton(properties, "save");
        EXPECT_TRUE(QFile::exists(declined));
        EXPECT_EQ(manager.DrawingFileName().toStdString(), registered.toStdString());
        CloseProperties(properties);
    }
    EXPECT_EQ(IniValue(settings, mac, "DrawFileName"), registered.toStdString());
}

} // namespace
