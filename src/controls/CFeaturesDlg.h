#pragma once

#include "sdk/SdkResult.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <map>
#include <string>

class CameraConnection;
class ControlHost;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class SdkGenParameter;
class SdkGenParameterArray;
struct FeatureTreeNode;

// The camera's whole feature tree: its categories with every feature in
// them, a visibility level (Beginner, Expert, Guru) and a search field that
// hide the rest, an editor per feature by its type, its access mode, and a
// refresh of the values in view twice a second. A write that the camera takes
// only while not streaming stops the host's preview and starts it again; a
// value the camera cannot take as typed is clamped to the range or rounded
// to the increment, and the line under the tree says what was written.
class CFeaturesDlg : public QDialog {
    Q_OBJECT
public:
    // The tree's columns.
    enum Column : int { kNameColumn, kValueColumn, kRangeColumn, kAccessColumn, kColumnCount };
    static constexpr int kRefreshIntervalMs = 500;

    // camera gives the camera to show at each use (null: none); host stops
    // and restarts the preview. Both must outlive the dialog.
    CFeaturesDlg(ControlHost& host, std::function<CameraConnection*()> camera, QWidget* parent = nullptr);
    ~CFeaturesDlg() override;

    // Builds the tree again when the camera or its features changed, then
    // reads every value not hidden or collapsed. The timer reads only the
    // rows in view.
    void Refresh();
    // 0 Beginner, 1 Expert, 2 Guru.
    void SetVisibilityLevel(int level);
    void SetSearchText(const QString& text);

    QTreeWidget* Tree() const { return tree_; }
    // The feature's row, or null.
    QTreeWidgetItem* Item(const std::string& feature) const;
    // The editor in the feature's value column, or null.
    QWidget* Editor(const std::string& feature) const;
    // What the last write did.
    QString Message() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    SdkGenParameterArray* Features() const;
    void Rebuild();
    void AddNode(const FeatureTreeNode& node, QTreeWidgetItem* parent, CameraConnection& camera);
    // The unit the camera's document gives the feature, or empty.
    QString Unit(const std::string& name) const;
    QWidget* MakeEditor(SdkGenParameter& feature);
    // Reads the rows not hidden nor collapsed; onScreenOnly: only those in view.
    void ReadRows(bool onScreenOnly);
    // written: the feature was just written, so its editor shows the
    // camera's value even while it has the focus.
    void ShowValue(QTreeWidgetItem& item, SdkGenParameter& feature, bool written);
    void ShowWritten(const std::string& name);
    void ApplyFilter();
    // Runs the write; when the feature is locked (not writable) while the
    // preview runs, stops the preview, writes and starts the preview again.
    SdkResult Write(const std::string& name, const std::function<SdkResult(SdkGenParameter&)>& write);
    void WriteInteger(const std::string& name, const QString& text);
    void WriteFloat(const std::string& name, const QString& text);
    void Report(const QString& text);
    // Says what a write of value did, then shows the camera's values.
    void ReportWrite(const std::string& name, const SdkResult& result, const QString& value);
    // The typed value was clamped or rounded (reason) before it was written.
    void ReportAdjusted(const std::string& name, const QString& reason, const QString& written);
    // The feature's range is empty: nothing was written.
    void ReportEmptyRange(const std::string& name, const QString& min, const QString& max);
    void ShowDetails(QTreeWidgetItem* item);

    ControlHost& host_;
    std::function<CameraConnection*()> camera_;
    QComboBox* visibility_;
    QLineEdit* search_;
    QTreeWidget* tree_;
    QLabel* details_;
    QLabel* message_;
    QTimer refreshTimer_;
    // What the tree was built from.
    const CameraConnection* builtFor_ = nullptr;
    uint32_t builtCount_ = 0;
    std::map<std::string, QTreeWidgetItem*> items_;
    std::map<std::string, QString> units_;
};
