#include "modules/live/communications/agora/video_render_opengl.h"

#include "utils/CLog.h"
#include "utils/TextMetrics.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>

#include <utility>

namespace {

const QString kTag = QStringLiteral("VideoRendererOpenGL ");

const float kInitialCorners[4][5] = {
    {-1, -1, 0, 1, 0},
    {1, -1, 0, 0, 0},
    {1, 1, 0, 0, 1},
    {-1, 1, 0, 1, 1},
};

// The two triangles of the quad.
const GLubyte kIndices[6] = {0, 3, 2, 0, 2, 1};

QOpenGLFunctions *gl()
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? context->functions() : nullptr;
}

} // namespace

const char *const VideoRendererOpenGL::kVertexShader = "attribute vec4 aPosition;\n"
                                                       "attribute vec2 aTextureCoord;\n"
                                                       "varying vec2 vTextureCoord;\n"
                                                       "void main() {\n"
                                                       "  gl_Position = aPosition;\n"
                                                       "  vTextureCoord = aTextureCoord;\n"
                                                       "}\n";

// Desktop GLSL has no default precision statement: it is given on OpenGL ES
// only, where a fragment shader needs one.
const char *const VideoRendererOpenGL::kFragmentShader = "#ifdef GL_ES\n"
                                                         "precision mediump float;\n"
                                                         "#endif\n"
                                                         "uniform sampler2D Ytex;\n"
                                                         "uniform sampler2D Utex,Vtex;\n"
                                                         "varying vec2 vTextureCoord;\n"
                                                         "void main(void) {\n"
                                                         "  float nx,ny,r,g,b,y,u,v;\n"
                                                         "  mediump vec4 txl,ux,vx;"
                                                         "  nx=vTextureCoord[0];\n"
                                                         "  ny=vTextureCoord[1];\n"
                                                         "  y=texture2D(Ytex,vec2(nx,ny)).r;\n"
                                                         "  u=texture2D(Utex,vec2(nx,ny)).r;\n"
                                                         "  v=texture2D(Vtex,vec2(nx,ny)).r;\n"
                                                         "  y=1.1643*(y-0.0625);\n"
                                                         "  u=u-0.5;\n"
                                                         "  v=v-0.5;\n"
                                                         "  r=y+1.5958*v;\n"
                                                         "  g=y-0.39173*u-0.81290*v;\n"
                                                         "  b=y+2.017*u;\n"
                                                         "  gl_FragColor=vec4(r,g,b,1.0);\n"
                                                         "}\n";

VideoRendererOpenGL::VideoRendererOpenGL(int width, int height)
    : viewWidth(width)
    , viewHeight(height)
{
    for (int corner = 0; corner < 4; ++corner)
        for (int i = 0; i < 5; ++i)
            vertices[corner][i] = kInitialCorners[corner][i];
}

VideoRendererOpenGL::~VideoRendererOpenGL()
{
    QOpenGLFunctions *f = gl();
    if (f && textures[0] != 0)
        f->glDeleteTextures(3, textures);
}

int VideoRendererOpenGL::setup(int width, int height)
{
    if (!program)
        createProgram();
    setSize(width, height);
    return 0;
}

void VideoRendererOpenGL::setSize(int width, int height)
{
    const double scale = getDevicePixelRatio();
    viewWidth = int(width * scale);
    viewHeight = int(height * scale);
    CLog::debug(QStringLiteral("OpenGL:width:%1 height:%2 scale:%3").arg(viewWidth).arg(viewHeight).arg(scale),
                QStringLiteral("VideoRendererOpenGL::setSize "));
}

int VideoRendererOpenGL::setRenderRegion(int z, float l, float t, float r, float b)
{
    zOrder = z;
    left = l;
    top = t;
    right = r;
    bottom = b;
    coordsDirty = true;
    return 0;
}

int VideoRendererOpenGL::getRenderRegion(int &z, float &l, float &t, float &r, float &b) const
{
    z = zOrder;
    l = left;
    t = top;
    r = right;
    b = bottom;
    return 0;
}

void VideoRendererOpenGL::setRotation(int newRotation, bool asIs)
{
    if (newRotation == rotation && asIs == frameAsIs)
        return;
    rotation = newRotation;
    frameAsIs = asIs;
    coordsDirty = true;
}

template <class Frame>
VideoRendererOpenGL::Planes VideoRendererOpenGL::planesOf(const Frame &frame)
{
    return Planes{frame.width,
                  frame.height,
                  {frame.yBuffer, frame.uBuffer, frame.vBuffer},
                  {frame.yStride, frame.uStride, frame.vStride}};
}

int VideoRendererOpenGL::renderAgoraFrame(const agora::media::VideoFrame &frame)
{
    return render(planesOf(frame));
}

int VideoRendererOpenGL::renderTesselFrame(const tessel::media::VideoFrame &frame)
{
    return render(planesOf(frame));
}

int VideoRendererOpenGL::render(const Planes &frame)
{
    if (frame.width <= 0 || frame.height <= 0 || !frame.plane[0] || !frame.plane[1] || !frame.plane[2])
        return -1;
    // A plane whose rows are shorter than the picture would be read past.
    if (frame.stride[0] < frame.width || frame.stride[1] < frame.width / 2 || frame.stride[2] < frame.width / 2)
        return -1;
    QOpenGLFunctions *f = gl();
    if (!f)
        return -1;
    const int applied = applyVertexAttributes();
    if (applied != 0)
        return applied;
    f->glClear(GL_COLOR_BUFFER_BIT);
    if (frame.width != textureWidth || frame.height != textureHeight) {
        setupTextures(frame);
        coordsDirty = true;
    }
    if (coordsDirty && updateTextureCoords() == 0)
        coordsDirty = false;
    updateTextures(frame);
    f->glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_BYTE, kIndices);
    return 0;
}

void VideoRendererOpenGL::createProgram()
{
    program = std::make_unique<QOpenGLShaderProgram>();
    const bool vertexOk = program->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader);
    const bool fragmentOk = program->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader);
    const bool linked = program->link();
    const QString tag = QStringLiteral("VideoRendererOpenGL::createProgram ");
    const QString result = QStringLiteral("vertex shader %1, fragment shader %2, link %3")
                               .arg(vertexOk ? 1 : 0)
                               .arg(fragmentOk ? 1 : 0)
                               .arg(linked ? 1 : 0);
    // A program that does not link draws nothing: say why once, here.
    if (vertexOk && fragmentOk && linked)
        CLog::debug(result, tag);
    else
        CLog::error(result + QLatin1Char(' ') + program->log().trimmed(), tag);
}

int VideoRendererOpenGL::bindVertexAttributes()
{
    if (!program || !program->isLinked())
        return -1;
    const int position = program->attributeLocation("aPosition");
    const int coord = program->attributeLocation("aTextureCoord");
    if (position < 0 || coord < 0)
        return -1;
    QOpenGLFunctions *f = gl();
    if (!f)
        return -1;
    // The corners are client memory: no buffer object may be bound.
    f->glBindBuffer(GL_ARRAY_BUFFER, 0);
    f->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    const GLsizei stride = GLsizei(sizeof vertices[0]);
    f->glVertexAttribPointer(GLuint(position), 3, GL_FLOAT, GL_FALSE, stride, &vertices[0][0]);
    f->glEnableVertexAttribArray(GLuint(position));
    f->glVertexAttribPointer(GLuint(coord), 2, GL_FLOAT, GL_FALSE, stride, &vertices[0][3]);
    f->glEnableVertexAttribArray(GLuint(coord));
    return 0;
}

int VideoRendererOpenGL::applyVertexAttributes()
{
    const int bound = bindVertexAttributes();
    if (bound != 0)
        return bound;
    program->bind();
    program->setUniformValue("Ytex", 0);
    program->setUniformValue("Utex", 1);
    program->setUniformValue("Vtex", 2);
    gl()->glViewport(0, 0, viewWidth, viewHeight);
    return 0;
}

void VideoRendererOpenGL::setupTextures(const Planes &frame)
{
    QOpenGLFunctions *f = gl();
    if (textures[0] == 0)
        f->glGenTextures(3, textures);
    initTexture(0, textures[0], frame.width, frame.height);
    initTexture(1, textures[1], frame.width / 2, frame.height / 2);
    initTexture(2, textures[2], frame.width / 2, frame.height / 2);
    textureWidth = frame.width;
    textureHeight = frame.height;
}

void VideoRendererOpenGL::initTexture(int unit, GLuint texture, int width, int height)
{
    QOpenGLFunctions *f = gl();
    f->glActiveTexture(GLenum(GL_TEXTURE0 + unit));
    f->glBindTexture(GL_TEXTURE_2D, texture);
    f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    f->glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, width, height, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, nullptr);
}

void VideoRendererOpenGL::updateTextures(const Planes &frame)
{
    QOpenGLFunctions *f = gl();
    // Rows of one byte per pixel are packed: with the default alignment of
    // 4, a plane whose width is no multiple of 4 would be read skewed and
    // past its end.
    GLint alignment = 4;
    f->glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    f->glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int i = 0; i < 3; ++i) {
        const int width = i == 0 ? frame.width : frame.width / 2;
        const int height = i == 0 ? frame.height : frame.height / 2;
        f->glActiveTexture(GLenum(GL_TEXTURE0 + i));
        f->glBindTexture(GL_TEXTURE_2D, textures[i]);
        uploadPlane(width, height, frame.stride[i], frame.plane[i]);
    }
    f->glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

void VideoRendererOpenGL::uploadPlane(int width, int height, int stride, const unsigned char *data)
{
    QOpenGLFunctions *f = gl();
    if (stride == width) {
        f->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_LUMINANCE, GL_UNSIGNED_BYTE, data);
        return;
    }
    for (int row = 0; row < height; ++row)
        f->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, row, width, 1, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                           data + qptrdiff(stride) * row);
}

int VideoRendererOpenGL::updateTextureCoords()
{
    int degrees = rotation;
    if (degrees < 0)
        degrees += 360;

    // (u, v) of the corners 0 to 3.
    float uv[4][2];
    auto set = [&uv](std::initializer_list<float> values) {
        auto it = values.begin();
        for (auto &corner : uv) {
            corner[0] = *it++;
            corner[1] = *it++;
        }
    };
    if (degrees == 90 || degrees == 270)
        set({0, 0, 0, 1, 1, 1, 1, 0});
    else if (degrees == 180)
        set({0, 1, 1, 1, 1, 0, 0, 0});
    else if (frameAsIs)
        set({0, 0, 1, 0, 1, 1, 0, 1});
    else
        set({1, 0, 0, 0, 0, 1, 1, 1});

    if (left > right) {
        std::swap(uv[0], uv[1]);
        std::swap(uv[2], uv[3]);
    }
    for (int corner = 0; corner < 4; ++corner) {
        vertices[corner][3] = uv[corner][0];
        vertices[corner][4] = uv[corner][1];
    }

    if (degrees == 0 || degrees == 180)
        updateVertices(textureWidth, textureHeight, viewWidth, viewHeight, fitMode);
    else
        updateVertices(textureHeight, textureWidth, viewWidth, viewHeight, fitMode);
    return bindVertexAttributes();
}

int VideoRendererOpenGL::updateVertices(int frameWidth, int frameHeight, int width, int height, int mode)
{
    if (width <= 0 || height <= 0)
        return 0;
    const float fw = frameWidth <= 0 ? 640.0f : float(frameWidth);
    const float fh = frameHeight <= 0 ? 360.0f : float(frameHeight);
    const float frameRatio = fh / fw;
    const float viewRatio = float(height) / float(width);
    float xLeft = 0;
    float xRight = 1;
    float t = top;
    float b = bottom;
    if (mode == 1) {
        // The whole dimension that fits is cut to whole pixels; a frame so
        // thin that it rounds to none is drawn uncropped.
        if (frameRatio > viewRatio) {
            const int fitted = int(fw * viewRatio);
            if (fitted > 0) {
                const float d = (bottom - top) * (fh / float(fitted) - 1) / 2;
                t = top - d;
                b = bottom + d;
            }
        } else if (viewRatio > frameRatio) {
            const int fitted = int(fh / viewRatio);
            if (fitted > 0) {
                const float e = (fw / float(fitted) - 1) / 2;
                xLeft = -e;
                xRight = 1 + e;
            }
        }
    }
    const float z = float(zOrder);
    const float corners[4][3] = {
        {2 * xLeft - 1, 1 - 2 * b, z},
        {2 * xRight - 1, 1 - 2 * b, z},
        {2 * xRight - 1, 1 - 2 * t, z},
        {2 * xLeft - 1, 1 - 2 * t, z},
    };
    for (int corner = 0; corner < 4; ++corner)
        for (int i = 0; i < 3; ++i)
            vertices[corner][i] = corners[corner][i];
    return 0;
}
