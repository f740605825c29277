#include "driver/dialog_template.h"

#include <cstring>
#include <sstream>

#include "driver/resources.h"
#include "driver/wait.h"

namespace gui_driver {

namespace {

// Reads a template front to back; every read is checked against the resource's size.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size, std::string what)
        : data_(data), size_(size), what_(std::move(what)) {}

    template <class T>
    T Peek() const {
        Need(sizeof(T));
        T value;
        std::memcpy(&value, data_ + offset_, sizeof(T));
        return value;
    }

    template <class T>
    T Read() {
        const T value = Peek<T>();
        offset_ += sizeof(T);
        return value;
    }

    // A NUL-terminated UTF-16 text, in the program's ANSI code page.
    std::string Text() {
        std::wstring wide;
        for (WCHAR c = Read<WCHAR>(); c != 0; c = Read<WCHAR>()) wide += c;
        if (wide.empty()) return "";
        const int length = WideCharToMultiByte(
            CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<size_t>(length), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            length, nullptr, nullptr);
        return text;
    }

    // A text or, after 0xFFFF, a number: "#<number>", or the name of a predefined class.
    std::string TextOrOrdinal(bool isClass) {
        if (Peek<WORD>() != 0xFFFF) return Text();
        Read<WORD>();
        const WORD ordinal = Read<WORD>();
        if (isClass) {
            static const char* const kPredefined[] = {"Button",  "Edit",      "Static",
                                                      "ListBox", "ScrollBar", "ComboBox"};
            if (ordinal >= 0x80 && ordinal <= 0x85) return kPredefined[ordinal - 0x80];
        }
        return "#" + std::to_string(ordinal);
    }

    void Skip(size_t bytes) {
        Need(bytes);
        offset_ += bytes;
    }

    void AlignToDword() { offset_ = (offset_ + 3) & ~static_cast<size_t>(3); }

private:
    void Need(size_t bytes) const {
        if (offset_ + bytes > size_) throw DriverError(what_ + " ends too early");
    }

    const BYTE* data_;
    size_t size_;
    size_t offset_ = 0;
    std::string what_;
};

void ReadHeader(TemplateReader& reader, DialogTemplate& dialog, WORD& count) {
    if (dialog.extended) {
        reader.Skip(2 * sizeof(WORD) + sizeof(DWORD));  // version, signature, help id
        dialog.exStyle = reader.Read<DWORD>();
        dialog.style = reader.Read<DWORD>();
    } else {
        dialog.style = reader.Read<DWORD>();
        dialog.exStyle = reader.Read<DWORD>();
    }
    count = reader.Read<WORD>();
    dialog.x = reader.Read<short>();
    dialog.y = reader.Read<short>();
    dialog.cx = reader.Read<short>();
    dialog.cy = reader.Read<short>();
    reader.TextOrOrdinal(false);  // menu
    reader.TextOrOrdinal(false);  // window class
    dialog.title = reader.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = reader.Read<WORD>();
        if (dialog.extended) {
            dialog.weight = reader.Read<WORD>();
            dialog.italic = reader.Read<BYTE>() != 0;
            dialog.charset = reader.Read<BYTE>();
        } else {
            // A standard template names no weight, slant or character set: the system
            // creates its font with the defaults.
            dialog.weight = FW_DONTCARE;
            dialog.italic = false;
            dialog.charset = DEFAULT_CHARSET;
        }
        dialog.fontFace = reader.Text();
    }
}

TemplateControl ReadControl(TemplateReader& reader, bool extended) {
    TemplateControl control;
    reader.AlignToDword();
    if (extended) {
        reader.Skip(sizeof(DWORD));  // help id
        control.exStyle = reader.Read<DWORD>();
        control.style = reader.Read<DWORD>();
    } else {
        control.style = reader.Read<DWORD>();
        control.exStyle = reader.Read<DWORD>();
    }
    control.x = reader.Read<short>();
    control.y = reader.Read<short>();
    control.cx = reader.Read<short>();
    control.cy = reader.Read<short>();
    control.id = extended ? reader.Read<DWORD>() : reader.Read<WORD>();
    control.className = reader.TextOrOrdinal(true);
    control.text = reader.TextOrOrdinal(false);
    reader.Skip(reader.Read<WORD>());  // creation data
    return control;
}

}  // namespace

DialogTemplate ReadDialogTemplate(const std::string& exePath, int id, LANGID language) {
    const ResourceFile file(exePath);
    std::ostringstream name;
    name << "dialog template " << id << " in language 0x" << std::hex << language << " of "
         << exePath;
    const std::string what = name.str();
    const ResourceBytes bytes = file.Find(RT_DIALOG, id, language, what);
    TemplateReader reader(bytes.data, bytes.size, what);
    DialogTemplate dialog;
    // An extended template starts with its version 1 and the signature 0xFFFF.
    dialog.extended = reader.Peek<DWORD>() == 0xFFFF0001;
    WORD count = 0;
    ReadHeader(reader, dialog, count);
    for (WORD i = 0; i < count; ++i)
        dialog.controls.push_back(ReadControl(reader, dialog.extended));
    return dialog;
}

}  // namespace gui_driver
