#pragma once

#include "drawing/CTabParentBase.h"
#include "drawing/DrawingPropertyRules.h"

#include <QString>
#include <QWidget>

class CColorSelButton;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// A page of the drawing property dialog: label and control rows on a grid.
// Pages show their dialog's working copies and report edits through it.
class CDrawingTabChildBase : public QWidget {
    Q_OBJECT

public:
    explicit CDrawingTabChildBase(CTabParentBase& parent, QWidget* widgetParent = nullptr);

    virtual QString Caption() const = 0;
    // Shows the working copies. Controls that already show their value are
    // left alone, so that reloading while the user types keeps the caret.
    void Load();

protected:
    virtual void LoadControls() = 0;
    // True while the page is loading: changes then are not the user's.
    bool Loading() const { return loading_; }
    CTabParentBase& Parent() const { return parent_; }

    // Reports the working style with one field changed by the user.
    template <typename T>
    void EditStyle(T DrawingStyle::*field, T value)
    {
        if (loading_)
            return;
        DrawingStyle style = parent_.WorkingStyle();
        style.*field = value;
        parent_.StyleEdited(style);
    }
    // Reports the working settings as `change` (DrawingSettings&) alters them.
    template <typename Change>
    void EditSettings(Change change)
    {
        if (loading_)
            return;
        DrawingSettings settings = parent_.WorkingSettings();
        change(settings);
        parent_.SettingsEdited(settings);
    }

    // Rows of label and control; object names let tests and tools find them.
    QComboBox* AddCombo(const QString& label, const char* name);
    // A slider with an edit box beside it that shows its value.
    QSlider* AddSlider(const QString& label, const char* name, int minimum, int maximum);
    CColorSelButton* AddColorButton(const QString& label, const char* name);
    QLineEdit* AddEdit(const QString& label, const char* name, int maxLength);
    // A push button at its own width.
    QPushButton* AddButton(const QString& label, const QString& text, const char* name);
    QCheckBox* AddCheckBox(const QString& text, const char* name);
    // Adds a control of the page's own beside a label, stretched across the
    // column (giving the label) or at its own width.
    QLabel* AddRow(const QString& label, QWidget* control);
    void AddNarrowRow(const QString& label, QWidget* control);
    // Keeps the rows at the top of the page.
    void FinishRows();

    // Fills the list when its entries changed and selects the entry of
    // `value` (none when the list does not offer it).
    static void ShowEntries(QComboBox* combo, const ListEntries& entries, int32_t value, bool enabled);
    static int32_t SelectedValue(const QComboBox* combo);
    static void ShowText(QLineEdit* edit, const QString& text);
    // Shows the value with "%f" unless the edit already reads as that value.
    static void ShowReal(QLineEdit* edit, double value);
    static void ShowColor(CColorSelButton* button, uint32_t colorRef, bool enabled);
    static void ShowCheck(QCheckBox* box, bool checked, bool enabled);

private:
    CTabParentBase& parent_;
    QGridLayout* grid_;
    bool loading_ = false;
};
