#include "ui/DialogTemplate.h"

#include "base/Concat.h"
#include "ui/Application.h"
#include "base/Decimal.h"
#include "base/Exception.h"

#include <windows.h>

#include <cstring>

namespace ui {
namespace {

// Reads the template's fields in order; a field past the end of the resource is an error, not a
// read beyond it.
class TemplateReader {
public:
    TemplateReader(const BYTE* begin, DWORD size, int templateId)
        : begin_(begin), size_(size), templateId_(templateId) {}

    template <typename T>
    T Read() {
        T value;
        Need(sizeof value);
        std::memcpy(&value, begin_ + offset_, sizeof value);
        offset_ += sizeof value;
        return value;
    }
    void Skip(DWORD bytes) {
        Need(bytes);
        offset_ += bytes;
    }
    // A null-terminated UTF-16 string.
    void SkipString() {
        while (Read<WORD>() != 0) {
        }
    }
    std::wstring ReadString() {
        std::wstring text;
        for (WORD c = Read<WORD>(); c != 0; c = Read<WORD>())
            text += static_cast<wchar_t>(c);
        return text;
    }
    // A class named by a string, or empty for one named by an ordinal (or not at all).
    std::wstring ReadClass() {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            Skip(sizeof(WORD));
            return {};
        }
        if (first == 0)
            return {};
        return static_cast<wchar_t>(first) + ReadString();
    }
    // A string, nothing (0), or an ordinal (0xFFFF and a number): a menu, a class or a title.
    void SkipStringOrOrdinal() {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF)
            Skip(sizeof(WORD));
        else if (first != 0)
            SkipString();
    }
    // Each control's entry starts on a DWORD boundary of the template.
    void AlignToDword() { Skip((4 - offset_ % 4) % 4); }
    [[noreturn]] void Fail() const {
        base::Throw(base::Concat(
            {L"O modelo da página ", base::Decimal(templateId_), L" não pôde ser lido."}));
    }

private:
    void Need(DWORD bytes) const {
        if (bytes > size_ - offset_)
            Fail();
    }

    const BYTE* begin_;
    DWORD size_;
    DWORD offset_ = 0;
    int templateId_;
};

} // namespace

std::vector<DialogItem> DialogItems(int templateId) {
    const HINSTANCE module = Application::Instance();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    TemplateReader reader(bytes, bytes ? SizeofResource(module, found) : 0, templateId);
    if (!bytes)
        reader.Fail();

    // DLGTEMPLATEEX: version 1, signature 0xFFFF, help id, extended style, style, the number of
    // controls, the rectangle; then menu, class, title and, with DS_SETFONT, the font.
    if (reader.Read<WORD>() != 1 || reader.Read<WORD>() != 0xFFFF)
        reader.Fail();
    reader.Skip(2 * sizeof(DWORD));
    const DWORD style = reader.Read<DWORD>();
    const WORD controls = reader.Read<WORD>();
    reader.Skip(4 * sizeof(short));
    reader.SkipStringOrOrdinal();
    reader.SkipStringOrOrdinal();
    reader.SkipString();
    if (style & DS_SETFONT) {
        reader.Skip(2 * sizeof(WORD) + 2 * sizeof(BYTE));
        reader.SkipString();
    }

    // DLGITEMTEMPLATEEX: help id, extended style, style, the rectangle, the id; then class, title
    // and the creation data's size and bytes.
    std::vector<DialogItem> items(controls);
    for (DialogItem& item : items) {
        reader.AlignToDword();
        reader.Skip(3 * sizeof(DWORD) + 4 * sizeof(short));
        item.Id = static_cast<int>(reader.Read<DWORD>());
        item.Class = reader.ReadClass();
        reader.SkipStringOrOrdinal();
        reader.Skip(reader.Read<WORD>());
    }
    return items;
}

std::vector<int> DialogItemIds(int templateId) {
    std::vector<int> ids;
    for (const DialogItem& item : DialogItems(templateId))
        ids.push_back(item.Id);
    return ids;
}

// The picture's own WM_SETTEXT, which would load another image, is passed by.
void ForgetImageIds(HWND container) {
    for (HWND control = GetWindow(container, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        wchar_t first[2] = {};
        if (GetWindowTextW(control, first, 2) == 1 && first[0] == 0xFFFF)
            DefWindowProcW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    }
}

} // namespace ui
