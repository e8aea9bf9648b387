#include "display/DisplaySurface.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <utility>

namespace {

// The quad's corners as (0..1, 0..1); they double as texture coordinates, so
// texture row 0 (the image's first row) lands at the top.
constexpr GLfloat kCorners[] = {0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f};
constexpr int kCornerCount = 4;

constexpr const char* kVertexShader = R"(
attribute highp vec2 corner;
uniform highp vec4 rect;
varying highp vec2 texCoord;
void main()
{
    texCoord = corner;
    gl_Position = vec4(mix(rect.xy, rect.zw, corner), 0.0, 1.0);
}
)";

// Grey textures hold one channel; colour textures are uploaded from blue,
// green, red, unused bytes, which OpenGL puts into r, g, b itself.
constexpr const char* kFragmentShader = R"(
varying highp vec2 texCoord;
uniform sampler2D image;
uniform bool grey;
void main()
{
    lowp vec4 texel = texture2D(image, texCoord);
    gl_FragColor = grey ? vec4(texel.rrr, 1.0) : vec4(texel.rgb, 1.0);
}
)";

constexpr float kByteScale = 1.0f / 255.0f;

} // namespace

DisplaySurface::DisplaySurface(std::function<void(DisplaySurface&)> paint)
    : QOpenGLWindow(QOpenGLWindow::NoPartialUpdate),
      paint_(std::move(paint))
{
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    // Frames are shown as they come; the acquisition thread paces them.
    format.setSwapInterval(0);
    setFormat(format);
}

DisplaySurface::~DisplaySurface()
{
    if (isValid()) {
        makeCurrent();
        ReleaseResources();
        doneCurrent();
    }
}

void DisplaySurface::ReleaseResources()
{
    if (texture_ != 0)
        glDeleteTextures(1, &texture_);
    texture_ = 0;
    textureWidth_ = textureHeight_ = 0;
    vao_.destroy();
    corners_.destroy();
    program_.removeAllShaders();
}

void DisplaySurface::initializeGL()
{
    initializeOpenGLFunctions();
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize_);
    usable_ = program_.addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader) &&
              program_.addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader);
    program_.bindAttributeLocation("corner", 0);
    usable_ = usable_ && program_.link();
    if (!usable_)
        return;
    rectUniform_ = program_.uniformLocation("rect");
    greyUniform_ = program_.uniformLocation("grey");

    // Without vertex array objects (old contexts) the buffer is bound per draw.
    vao_.create();
    QOpenGLVertexArrayObject::Binder binder(&vao_);
    usable_ = corners_.create() && corners_.bind();
    if (!usable_)
        return;
    corners_.allocate(kCorners, sizeof(kCorners));
    program_.enableAttributeArray(0);
    program_.setAttributeBuffer(0, GL_FLOAT, 0, 2);
    corners_.release();
}

void DisplaySurface::paintGL()
{
    const qreal ratio = devicePixelRatio();
    glViewport(0, 0, static_cast<GLsizei>(width() * ratio), static_cast<GLsizei>(height() * ratio));
    paint_(*this);
}

void DisplaySurface::Clear(uint8_t red, uint8_t green, uint8_t blue)
{
    glClearColor(red * kByteScale, green * kByteScale, blue * kByteScale, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

bool DisplaySurface::Upload(const uint8_t* pixels, int width, int height, bool colour)
{
    if (!usable_)
        return false;
    // Four bytes a pixel is the layout that uploads without reordering.
    const GLenum format = colour ? GL_BGRA : GL_RED;
    // Grey rows are packed: they need not be a multiple of 4 bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const bool reallocate =
        texture_ == 0 || width != textureWidth_ || height != textureHeight_ || colour != textureColour_;
    if (texture_ == 0) {
        glGenTextures(1, &texture_);
        glBindTexture(GL_TEXTURE_2D, texture_);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    } else {
        glBindTexture(GL_TEXTURE_2D, texture_);
    }
    if (reallocate) {
        glTexImage2D(GL_TEXTURE_2D, 0, colour ? GL_RGBA8 : GL_R8, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
        textureWidth_ = width;
        textureHeight_ = height;
        textureColour_ = colour;
    } else {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, format, GL_UNSIGNED_BYTE, pixels);
    }
    return reallocate;
}

void DisplaySurface::DrawImage(const DrawTransform& transform, int width, int height)
{
    if (!usable_ || texture_ == 0 || this->width() <= 0 || this->height() <= 0)
        return;
    // Window pixels of the image's corners, then normalised device coordinates
    // (y up).
    const float left = transform.offsetX * transform.scale;
    const float top = transform.offsetY * transform.scale;
    const float right = (transform.offsetX + static_cast<float>(width)) * transform.scale;
    const float bottom = (transform.offsetY + static_cast<float>(height)) * transform.scale;
    const float w = static_cast<float>(this->width());
    const float h = static_cast<float>(this->height());

    program_.bind();
    program_.setUniformValue(rectUniform_, 2.0f * left / w - 1.0f, 1.0f - 2.0f * top / h, 2.0f * right / w - 1.0f,
                             1.0f - 2.0f * bottom / h);
    program_.setUniformValue(greyUniform_, !textureColour_);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture_);

    QOpenGLVertexArrayObject::Binder binder(&vao_);
    if (!vao_.isCreated()) {
        corners_.bind();
        program_.enableAttributeArray(0);
        program_.setAttributeBuffer(0, GL_FLOAT, 0, 2);
    }
    glDrawArrays(GL_TRIANGLE_STRIP, 0, kCornerCount);
    if (!vao_.isCreated())
        corners_.release();
    program_.release();
}

QImage DisplaySurface::Grab()
{
    if (!isValid())
        return {};
    makeCurrent();
    paintGL();
    return grabFramebuffer();
}

void DisplaySurface::Forward(QMouseEvent* event)
{
    if (!eventTarget_)
        return;
    // The image area covers the target from its origin, so positions carry over.
    QMouseEvent copy(event->type(), event->position(), event->globalPosition(), event->button(), event->buttons(),
                     event->modifiers());
    QCoreApplication::sendEvent(eventTarget_, &copy);
}

void DisplaySurface::mousePressEvent(QMouseEvent* event)
{
    Forward(event);
}

void DisplaySurface::mouseReleaseEvent(QMouseEvent* event)
{
    Forward(event);
}

void DisplaySurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    Forward(event);
}

void DisplaySurface::mouseMoveEvent(QMouseEvent* event)
{
    Forward(event);
}
