// SPDX-License-Identifier: MIT
#include "windowmanagercheck.h"

#include <QGuiApplication>

#ifdef ZENUB_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, std::strlen(name), name), nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return value;
}

// The 32-bit values of \a property on \a window.
QVector<quint32> values(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                        xcb_atom_t type)
{
    QVector<quint32> result;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr);
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count; ++i)
            result.append(data[i]);
    }
    std::free(reply);
    return result;
}

bool askX11()
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return true;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    bool bMaximizes = false;
    if (screens.rem) {
        const xcb_window_t root = screens.data->root;
        const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
        // A manager that has gone leaves its list behind; the check window proves it runs.
        const QVector<quint32> child = values(connection, root, check, XCB_ATOM_WINDOW);
        const bool bRunning =
            child.size() == 1 && values(connection, child.first(), check, XCB_ATOM_WINDOW) == child;
        bMaximizes =
            bRunning && values(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM)
                            .contains(atom(connection, "_NET_WM_STATE_MAXIMIZED_VERT"));
    }
    xcb_disconnect(connection);
    return bMaximizes;
}

} // namespace
#endif

bool WindowManagerCheck::maximizesWindows()
{
#ifdef ZENUB_HAVE_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return askX11();
#endif
    return true;
}
