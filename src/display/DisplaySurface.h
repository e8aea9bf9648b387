#pragma once

#include "imaging/DisplayGeometry.h"

#include <QOpenGLBuffer>
#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>
#include <QOpenGLWindow>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

// The OpenGL window inside a display window: one texture of the frame's size,
// drawn as one quad scaled on the GPU. It holds no frame state of its own;
// every paint calls back into its owner, which takes its lock and uses the
// drawing operations below while the context is current. User interface
// thread only.
class DisplaySurface : public QOpenGLWindow, protected QOpenGLExtraFunctions {
    Q_OBJECT

public:
    explicit DisplaySurface(std::function<void(DisplaySurface&)> paint);
    ~DisplaySurface() override;

    // False when the context could not be set up (shaders, buffers).
    bool IsUsable() const { return usable_; }
    // Largest texture side the context accepts; 0 before the first paint.
    int MaxTextureSize() const { return maxTextureSize_; }

    // Drawing operations, valid only inside the paint callback.
    void Clear(uint8_t red, uint8_t green, uint8_t blue);
    // Re-fills the texture from packed rows of 1 (grey) or 4 (blue, green,
    // red, unused) bytes per pixel; the texture is reallocated only when the
    // size or kind changes. Gives whether it was reallocated.
    bool Upload(const uint8_t* pixels, int width, int height, bool colour);
    // Draws the texture as an image of width x height placed by transform.
    void DrawImage(const DrawTransform& transform, int width, int height);

    // Paints now and reads the result back; a null image until the window
    // has been exposed.
    QImage Grab();

    // Mouse input over the image goes to this widget, and from there up its
    // parents, as if the image area were part of it.
    void SetEventTarget(QWidget* target) { eventTarget_ = target; }

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void ReleaseResources();
    void Forward(QMouseEvent* event);

    std::function<void(DisplaySurface&)> paint_;
    QPointer<QWidget> eventTarget_;
    QOpenGLShaderProgram program_;
    QOpenGLBuffer corners_{QOpenGLBuffer::VertexBuffer};
    QOpenGLVertexArrayObject vao_;
    GLuint texture_ = 0;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    bool textureColour_ = false;
    bool usable_ = false;
    int maxTextureSize_ = 0;
    int rectUniform_ = -1;
    int greyUniform_ = -1;
};
