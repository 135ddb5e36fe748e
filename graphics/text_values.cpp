#include "graphics/text_values.h"

#include <sstream>

#include "core/game_object.h"

namespace {

template <class T>
const T* Next(const std::vector<T>& list, size_t& used) {
    if (used >= list.size()) return nullptr;
    return &list[used++];
}

std::string FloatText(float value) {
    std::ostringstream out;
    out << value;  // six significant digits
    return out.str();
}

}  // namespace

std::string SubstituteValues(const std::string& text, const TextValues& values) {
    size_t ints = 0, floats = 0, vectors = 0, bools = 0, strings = 0, objects = 0;
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 1 == text.size()) {
            shown += text[i];
            continue;
        }
        switch (text[i + 1]) {
            case 'd':
                if (const int* v = Next(values.intValues, ints)) shown += std::to_string(*v);
                break;
            case 'f':
                if (const float* v = Next(values.floatValues, floats)) shown += FloatText(*v);
                break;
            case 'v':
                if (const Vector2D<float>* v = Next(values.vec2Values, vectors)) {
                    shown += FloatText(v->x) + ", " + FloatText(v->y);
                }
                break;
            case 'b':
                if (bools < values.boolValues.size()) shown += values.boolValues[bools++] ? "true" : "false";
                break;
            case 's':
                if (const std::string* v = Next(values.stringValues, strings)) shown += *v;
                break;
            case 'x':
                if (GameObject* const* v = Next(values.objectValues, objects)) {
                    if (*v) shown += (*v)->name;
                }
                break;
            default:
                shown += text[i];
                continue;
        }
        ++i;  // the code letter is consumed with its value
    }
    return shown;
}
