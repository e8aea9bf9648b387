#pragma once

#include "drawing/CTabParentBase.h"
#include "drawing/DrawingPropertyModel.h"

#include <QDialog>
#include <functional>
#include <vector>

class CDrawingManagement;
class CDrawingTabChildBase;
class QGridLayout;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;

// "Draw Properties": the modeless window that lists the drawing objects,
// changes their order, edits the selected object's style and texts, the
// units, pixel sizes and grid, stores a style as the default for new objects
// and saves and loads drawing files. Every edit goes to the drawing manager
// at once. Closing it emits closed() and the dialog deletes itself.
class CDrawingManagementDlg : public QDialog, public CTabParentBase {
    Q_OBJECT

public:
    // The questions and choosers the dialog puts to the user; tests answer
    // them instead of the user.
    struct Prompts {
        // A path to save to (the chooser asks before overwriting), or empty.
        std::function<QString(QWidget* parent)> chooseSaveFile;
        // An existing file to load, or empty.
        std::function<QString(QWidget* parent)> chooseLoadFile;
        std::function<bool(QWidget* parent, const QString& question)> askYesNo;
        std::function<void(QWidget* parent, const QString& message)> showError;
    };
    // Called with the saved file the user registered as the initial drawing
    // file: the owner stores it as the camera's "DrawFileName".
    using InitialFileRegistrar = std::function<void(const QString& path)>;

    explicit CDrawingManagementDlg(CDrawingManagement& manager, QWidget* parent = nullptr);

    void SetInitialFileRegistrar(InitialFileRegistrar registrar);
    void SetPrompts(Prompts prompts);
    // Shows the drawing as it now is; the owner calls it after it changed
    // the objects (drawn, deleted, loaded) while the dialog is open.
    void Reload();

    // The system's file choosers and message boxes.
    static Prompts StandardPrompts();

    // CTabParentBase
    const DrawingStyle& WorkingStyle() const override;
    const DrawingSettings& WorkingSettings() const override;
    bool HasSelectedObject() const override;
    bool DrawOnSnapshot() const override;
    void StyleEdited(const DrawingStyle& style) override;
    void SettingsEdited(const DrawingSettings& settings) override;
    void DrawOnSnapshotEdited(bool on) override;

signals:
    // The dialog closed; it is deleted when control returns to the event loop.
    void closed();

public slots:
    void done(int result) override;

private:
    void BuildOrderButtons(QGridLayout* layout);
    void ShowList();
    void ShowState();
    void LineSelected(int line);
    void Move(ZOrderMove move);
    void SaveClicked();
    void LoadClicked();

    DrawingPropertyModel model_;
    Prompts prompts_;
    InitialFileRegistrar registrar_;
    QListWidget* list_;
    std::vector<QToolButton*> orderButtons_;
    QPushButton* setDefault_;
    QTabWidget* tabs_;
    std::vector<CDrawingTabChildBase*> pages_;
};
