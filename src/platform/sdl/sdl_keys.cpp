#include "platform/sdl/sdl_keys.h"

namespace cv::platform {
namespace {

int KeypadKey(SDL_Scancode code) {
    switch (code) {
        case SDL_SCANCODE_KP_7: return 36;
        case SDL_SCANCODE_KP_8: return 38;
        case SDL_SCANCODE_KP_9: return 33;
        case SDL_SCANCODE_KP_4: return 37;
        case SDL_SCANCODE_KP_5: return 32;
        case SDL_SCANCODE_KP_6: return 39;
        case SDL_SCANCODE_KP_1: return 35;
        case SDL_SCANCODE_KP_2: return 40;
        case SDL_SCANCODE_KP_3: return 34;
        case SDL_SCANCODE_KP_0: return 45;
        case SDL_SCANCODE_KP_PERIOD: return 46;
        case SDL_SCANCODE_KP_ENTER: return 13;
        case SDL_SCANCODE_KP_DIVIDE: return 111;
        case SDL_SCANCODE_KP_MULTIPLY: return 106;
        case SDL_SCANCODE_KP_MINUS: return 109;
        case SDL_SCANCODE_KP_PLUS: return 107;
        default: return -1;
    }
}

int NamedKey(SDL_Keycode sym) {
    switch (sym) {
        case SDLK_ESCAPE: return 27;
        case SDLK_RETURN: return 13;
        case SDLK_SPACE: return 32;
        case SDLK_BACKSPACE: return 8;
        case SDLK_PAUSE: return 19;
        case SDLK_PRINTSCREEN: return 44;
        case SDLK_SCROLLLOCK: return 145;
        case SDLK_UP: return 38;
        case SDLK_DOWN: return 40;
        case SDLK_LEFT: return 37;
        case SDLK_RIGHT: return 39;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_HOME: return 36;
        case SDLK_END: return 35;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        case SDLK_BACKQUOTE: return 192;
        case SDLK_MINUS: return 189;
        case SDLK_EQUALS: return 187;
        case SDLK_BACKSLASH: return 220;
        case SDLK_TAB: return 9;
        case SDLK_CAPSLOCK: return 20;
        case SDLK_LEFTBRACKET: return 219;
        case SDLK_RIGHTBRACKET: return 221;
        case SDLK_SEMICOLON: return 186;
        case SDLK_QUOTE: return 222;
        case SDLK_COMMA: return 188;
        case SDLK_PERIOD: return 190;
        case SDLK_SLASH: return 191;
        case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
        case SDLK_LCTRL: case SDLK_RCTRL: return 17;
        case SDLK_LALT: case SDLK_RALT: return 18;
        case SDLK_LGUI: return 91;
        case SDLK_RGUI: return 92;
        case SDLK_APPLICATION: return 93;
        case SDLK_NUMLOCKCLEAR: return 144;
        default: return -1;
    }
}

}  // namespace

int VirtualKeyOf(const SDL_Keysym& key) {
    if (int vk = KeypadKey(key.scancode); vk >= 0) return vk;
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) return 'A' + (key.sym - SDLK_a);
    if (key.sym >= SDLK_0 && key.sym <= SDLK_9) return '0' + (key.sym - SDLK_0);
    if (key.sym >= SDLK_F1 && key.sym <= SDLK_F12) return 112 + (key.sym - SDLK_F1);
    return NamedKey(key.sym);
}

}  // namespace cv::platform
