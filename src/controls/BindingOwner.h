#pragma once

class QObject;
class QString;
class SdkGenParameterArray;

// The window that holds feature bindings: a control page or one of the
// pages' dialogs. Bindings read and write its camera's features and
// translate their texts in its context.
class BindingOwner {
public:
    // The features of the camera the window acts on; null without a camera.
    virtual SdkGenParameterArray* Features() const = 0;
    // An English text of the window's tables in the window's language.
    virtual QString Translate(const char* text) const = 0;
    // The bindings' QObject parent: they live as long as the window.
    virtual QObject* BindingParent() = 0;

protected:
    ~BindingOwner() = default;
};
