#pragma once

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

// An X atom by name, or XCB_ATOM_NONE: the start watch and the shell benchmark both ask.
inline xcb_atom_t xcbAtom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}
