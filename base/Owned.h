// Owners for Win32 handles: one owner per handle, released by the destructor, never copied.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace base {

template <typename T, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(T value) : value_(value) {}
    ~Owned() { Reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : value_(std::exchange(other.value_, Traits::Invalid())) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset();
            value_ = std::exchange(other.value_, Traits::Invalid());
        }
        return *this;
    }

    T Get() const { return value_; }
    bool Valid() const { return value_ != Traits::Invalid(); }
    explicit operator bool() const { return Valid(); }
    T Release() { return std::exchange(value_, Traits::Invalid()); }
    void Reset(T value = Traits::Invalid()) {
        if (Valid())
            Traits::Close(value_);
        value_ = value;
    }
    T* Put() {
        Reset();
        return &value_;
    }

private:
    T value_ = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
// CreateFile reports failure as INVALID_HANDLE_VALUE rather than null.
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
struct KeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY k) { RegCloseKey(k); }
};
struct LibraryTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE m) { FreeLibrary(m); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON i) { DestroyIcon(i); }
};
struct ImageListTraits {
    static HIMAGELIST Invalid() { return nullptr; }
    static void Close(HIMAGELIST l) { ImageList_Destroy(l); }
};
template <typename G>
struct GdiTraits {
    static G Invalid() { return nullptr; }
    static void Close(G g) { DeleteObject(g); }
};
struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU m) { DestroyMenu(m); }
};
struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND w) { DestroyWindow(w); }
};

// Holds the caller's critical section, when there is one, for the life of the object.
class OptionalLock {
public:
    explicit OptionalLock(CRITICAL_SECTION* section) : section_(section) {
        if (section_)
            EnterCriticalSection(section_);
    }
    ~OptionalLock() {
        if (section_)
            LeaveCriticalSection(section_);
    }
    OptionalLock(const OptionalLock&) = delete;
    OptionalLock& operator=(const OptionalLock&) = delete;

private:
    CRITICAL_SECTION* section_;
};

using UniqueHandle = Owned<HANDLE, KernelHandleTraits>;
using UniqueFile = Owned<HANDLE, FileHandleTraits>;
using UniqueFind = Owned<HANDLE, FindTraits>;
using UniqueKey = Owned<HKEY, KeyTraits>;
using UniqueLibrary = Owned<HMODULE, LibraryTraits>;
using UniqueIcon = Owned<HICON, IconTraits>;
using UniqueImageList = Owned<HIMAGELIST, ImageListTraits>;
using UniqueBitmap = Owned<HBITMAP, GdiTraits<HBITMAP>>;
using UniqueFont = Owned<HFONT, GdiTraits<HFONT>>;
using UniqueBrush = Owned<HBRUSH, GdiTraits<HBRUSH>>;
using UniqueMenu = Owned<HMENU, MenuTraits>;
using UniqueWindow = Owned<HWND, WindowTraits>;

} // namespace base
