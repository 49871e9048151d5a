#pragma once

#include <optional>

// Whether the screen composes translucent windows over what lies below them. Without a
// compositing manager (a plain X server) the transparent parts of a translucent window come
// out black, so the frameless windows paint themselves opaque instead.
class WindowCompositing
{
public:
    // On X11 the compositing manager is asked; every other platform composes (Windows since
    // Vista, Wayland, the offscreen platform of the tests).
    static bool Available();
    // Lets a test decide; nullopt asks the platform again.
    static void Override(std::optional<bool> available);
};
