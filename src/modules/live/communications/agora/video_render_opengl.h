#pragma once

#include "agora/IAgoraRtcEngine.h"
#include "tessel/ITesselRtcEngine.h"

#include <QtGui/qopengl.h>

#include <memory>

class QOpenGLShaderProgram;

// Draws one I420 frame with OpenGL: the three planes go up as luminance
// textures and the shader turns them into RGB. The frame fills the view and
// is cropped (fill mode 1). Owned by the video widget; every call but the
// pure coordinate maths needs the widget's OpenGL context to be current.
class VideoRendererOpenGL
{
public:
    static const char *const kVertexShader;
    static const char *const kFragmentShader;

    VideoRendererOpenGL(int width, int height);
    ~VideoRendererOpenGL();
    VideoRendererOpenGL(const VideoRendererOpenGL &) = delete;
    VideoRendererOpenGL &operator=(const VideoRendererOpenGL &) = delete;

    // Builds the program (once) and sets the view size. 0.
    int setup(int width, int height);
    bool hasProgram() const { return program != nullptr; }
    // Device pixels: the arguments times the screen's pixel ratio.
    void setSize(int width, int height);
    int setRenderRegion(int zOrder, float left, float top, float right, float bottom);
    int getRenderRegion(int &zOrder, float &left, float &top, float &right, float &bottom) const;
    void setRotation(int rotation, bool frameAsIs);

    // 0 when drawn; -1 for an empty frame or without a usable program.
    int renderAgoraFrame(const agora::media::VideoFrame &frame);
    int renderTesselFrame(const tessel::media::VideoFrame &frame);

    // Corner positions for a frame of the given size in the view, fill and
    // crop (mode 1); nothing changes for an empty view. 0.
    int updateVertices(int frameWidth, int frameHeight, int viewWidth, int viewHeight, int mode);
    // Texture coordinates for the rotation, then the corners; returns the
    // attribute binding's result (-1 without a program).
    int updateTextureCoords();

    // Per corner x, y, z, u, v.
    const float (&corners() const)[4][5] { return vertices; }
    int frameTextureWidth() const { return textureWidth; }
    int frameTextureHeight() const { return textureHeight; }
    bool coordinatesDirty() const { return coordsDirty; }
    int viewPixelWidth() const { return viewWidth; }
    int viewPixelHeight() const { return viewHeight; }

private:
    // What the renderer reads of either SDK's frame.
    struct Planes
    {
        int width;
        int height;
        const unsigned char *plane[3];
        int stride[3];
    };
    template <class Frame>
    static Planes planesOf(const Frame &frame);

    int render(const Planes &frame);
    void createProgram();
    int applyVertexAttributes();
    int bindVertexAttributes();
    void setupTextures(const Planes &frame);
    void initTexture(int unit, GLuint texture, int width, int height);
    void updateTextures(const Planes &frame);
    void uploadPlane(int width, int height, int stride, const unsigned char *data);

    std::unique_ptr<QOpenGLShaderProgram> program;
    float vertices[4][5];
    GLuint textures[3] = {0, 0, 0};
    int zOrder = 0;
    float left = 1;
    float top = 0;
    float right = 0;
    float bottom = 1;
    int fitMode = 1;
    int textureWidth = -1;
    int textureHeight = -1;
    int viewWidth;
    int viewHeight;
    bool coordsDirty = true;
    int rotation = 0;
    bool frameAsIs = false;
};
