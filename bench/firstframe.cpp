// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a program on an X display: ends it at the first flush of its X connection after
// it first put an image into a window, which is when the server first sees its drawing. Lets a
// tool that counts the work a program does (callgrind) count its start-up up to its first frame.
#include <xcb/xcb.h>

#include <dlfcn.h>
#include <unistd.h>

namespace {

bool drawn = false;

// The X library is loaded by the toolkit's platform plugin, privately: looked up by name.
template<typename Function>
Function real(const char *library, const char *name)
{
    return reinterpret_cast<Function>(dlsym(dlopen(library, RTLD_NOW | RTLD_NOLOAD), name));
}

} // namespace

extern "C" {

xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t *c, xcb_drawable_t drawable, xcb_gcontext_t gc,
    uint16_t totalWidth, uint16_t totalHeight, uint16_t srcX, uint16_t srcY, uint16_t srcWidth,
    uint16_t srcHeight, int16_t dstX, int16_t dstY, uint8_t depth, uint8_t format,
    uint8_t sendEvent, uint32_t segment, uint32_t offset)
{
    using Function = xcb_void_cookie_t (*)(xcb_connection_t *, xcb_drawable_t, xcb_gcontext_t,
        uint16_t, uint16_t, uint16_t, uint16_t, uint16_t, uint16_t, int16_t, int16_t, uint8_t,
        uint8_t, uint8_t, uint32_t, uint32_t);
    static const auto put = real<Function>("libxcb-shm.so.0", "xcb_shm_put_image");
    drawn = true;
    return put(c, drawable, gc, totalWidth, totalHeight, srcX, srcY, srcWidth, srcHeight, dstX,
        dstY, depth, format, sendEvent, segment, offset);
}

xcb_void_cookie_t xcb_put_image(xcb_connection_t *c, uint8_t format, xcb_drawable_t drawable,
    xcb_gcontext_t gc, uint16_t width, uint16_t height, int16_t dstX, int16_t dstY, uint8_t leftPad,
    uint8_t depth, uint32_t length, const uint8_t *data)
{
    using Function =
        xcb_void_cookie_t (*)(xcb_connection_t *, uint8_t, xcb_drawable_t, xcb_gcontext_t, uint16_t,
            uint16_t, int16_t, int16_t, uint8_t, uint8_t, uint32_t, const uint8_t *);
    static const auto put = real<Function>("libxcb.so.1", "xcb_put_image");
    drawn = true;
    return put(c, format, drawable, gc, width, height, dstX, dstY, leftPad, depth, length, data);
}

int xcb_flush(xcb_connection_t *c)
{
    static const auto flush = real<int (*)(xcb_connection_t *)>("libxcb.so.1", "xcb_flush");
    const int result = flush(c);
    if (drawn)
        _exit(0);
    return result;
}

} // extern "C"
