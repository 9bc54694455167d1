// Test helper (Linux, X11): waits for a top-level window with a given title, checks that a
// region of it shows the given BMP's pixels, then asks the window to close as the close box
// does (WM_DELETE_WINDOW) until it has gone. Exit status 0 when all of that happened.
// Usage: x11_window <title> <sketch.bmp> <x> <y> <width> <height>
//        x11_window --focus <title>   (gives the window the keyboard focus, as a click would)

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

xcb_atom_t atom(xcb_connection_t* x, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

std::string title(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
    auto* reply =
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, property, type, 0, 1024), nullptr);
    std::string text;
    if (reply) {
        text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    xcb_get_property_value_length(reply));
        std::free(reply);
    }
    return text;
}

std::optional<xcb_window_t> findWindow(xcb_connection_t* x, xcb_window_t root,
                                       const std::string& wanted) {
    const xcb_atom_t netName = atom(x, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(x, "UTF8_STRING");
    auto* tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
    std::optional<xcb_window_t> found;
    if (!tree)
        return found;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
        auto* attributes =
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        if (viewable && (title(x, children[i], netName, utf8) == wanted ||
                         title(x, children[i], XCB_ATOM_WM_NAME, XCB_ATOM_STRING) == wanted))
            found = children[i];
    }
    std::free(tree);
    return found;
}

// Pixel (x, y) of an uncompressed 24-bit bottom-up BMP as 0xRRGGBB.
std::uint32_t bmpPixel(const std::vector<unsigned char>& bmp, int x, int y) {
    auto u32 = [&](std::size_t at) {
        return bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | std::uint32_t(bmp[at + 3]) << 24;
    };
    const int width = static_cast<int>(u32(18));
    const int height = static_cast<int>(u32(22));
    const std::size_t stride = ((width * 24 + 31) / 32) * 4;
    const std::size_t at = u32(10) + stride * (height - 1 - y) + 3 * x;
    return bmp[at + 2] << 16 | bmp[at + 1] << 8 | bmp[at];
}

} // namespace

// Without a window manager nothing activates a window; the input focus does what a click on
// the window would.
int focus(const char* wanted) {
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (const auto window = findWindow(x, root, wanted)) {
            xcb_set_input_focus(x, XCB_INPUT_FOCUS_POINTER_ROOT, *window, XCB_CURRENT_TIME);
            xcb_flush(x);
            xcb_disconnect(x);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::fprintf(stderr, "no window titled \"%s\" appeared\n", wanted);
    return 1;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--focus") == 0)
        return focus(argv[2]);
    if (argc != 7) {
        std::fprintf(stderr, "usage: x11_window <title> <sketch.bmp> <x> <y> <width> <height>\n");
        return 2;
    }
    std::ifstream file(argv[2], std::ios::binary);
    const std::vector<unsigned char> bmp((std::istreambuf_iterator<char>(file)), {});
    if (bmp.size() < 54) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 2;
    }
    const int x0 = std::atoi(argv[3]), y0 = std::atoi(argv[4]);
    const int width = std::atoi(argv[5]), height = std::atoi(argv[6]);

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::optional<xcb_window_t> window;
    bool shown = false;
    while (std::chrono::steady_clock::now() < deadline && !shown) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        window = findWindow(x, root, argv[1]);
        if (!window)
            continue;
        auto* image = xcb_get_image_reply(
            x,
            xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, *window, std::int16_t(x0), std::int16_t(y0),
                          std::uint16_t(width), std::uint16_t(height), ~0u),
            nullptr);
        if (!image)
            continue;
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image));
        bool same = true, blank = true;
        for (int y = 0; y < height && same; ++y)
            for (int i = 0; i < width && same; ++i) {
                const std::uint32_t expected = bmpPixel(bmp, x0 + i, y0 + y);
                same = (pixels[y * width + i] & 0xFFFFFF) == expected;
                blank = blank && expected == 0xFFFFFF;
            }
        std::free(image);
        shown = same && !blank;
    }
    if (!window) {
        std::fprintf(stderr, "no window titled \"%s\" appeared\n", argv[1]);
        return 1;
    }
    if (!shown) {
        std::fprintf(stderr, "the window does not show the sketch\n");
        return 1;
    }
    // Qt drops a close request that arrives in the first moments after its window appears;
    // like a user who clicks the close box again, repeat it until the window is gone.
    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = *window;
    close.type = atom(x, "WM_PROTOCOLS");
    close.data.data32[0] = atom(x, "WM_DELETE_WINDOW");
    close.data.data32[1] = XCB_CURRENT_TIME;
    bool closed = false;
    for (int attempt = 0; attempt < 20 && !closed; ++attempt) {
        xcb_send_event(x, 0, *window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&close));
        xcb_flush(x);
        for (int wait = 0; wait < 10 && !closed; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            closed = !findWindow(x, root, argv[1]);
        }
    }
    if (!closed) {
        std::fprintf(stderr, "the window did not close\n");
        return 1;
    }
    xcb_disconnect(x);
    return 0;
}
