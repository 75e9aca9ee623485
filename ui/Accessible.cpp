#include "ui/Accessible.h"

#include "base/Owned.h"
#include "ui/SystemLibraries.h"

#include <commctrl.h>
#include <oleacc.h>

namespace ui {
namespace {

constexpr UINT_PTR kNameSubclass = 1;

// oleacc's standard objects, and the call that hands an object to the reader that asked.
struct Oleacc {
    base::UniqueLibrary library;
    LPFNCREATESTDACCESSIBLEOBJECT createStandard = nullptr;
    LPFNLRESULTFROMOBJECT resultFromObject = nullptr;
};

template <typename Function>
Function Find(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

const Oleacc& LoadedOleacc() {
    static const Oleacc oleacc = [] {
        Oleacc loaded;
        loaded.library.Reset(LoadSystemLibrary(L"oleacc.dll"));
        if (loaded.library) {
            loaded.createStandard = Find<LPFNCREATESTDACCESSIBLEOBJECT>(
                loaded.library.Get(), "CreateStdAccessibleObject");
            loaded.resultFromObject =
                Find<LPFNLRESULTFROMOBJECT>(loaded.library.Get(), "LresultFromObject");
        }
        return loaded;
    }();
    return oleacc;
}

LRESULT CALLBACK NameProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;

// The name given to the control, or null when it has none (any more).
const std::wstring* GivenName(HWND control) {
    DWORD_PTR data = 0;
    if (!GetWindowSubclass(control, &NameProc, kNameSubclass, &data))
        return nullptr;
    return reinterpret_cast<const std::wstring*>(data);
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's object for the control with the control's given name in place of its own. The
// name is read each time it is asked for, so that a reader that keeps the object hears a change.
class NamedAccessible final : public IAccessible, public IOleWindow {
public:
    NamedAccessible(HWND control, IAccessible* standard) : control_(control), standard_(standard) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible))
            *object = static_cast<IAccessible*>(this);
        else if (id == __uuidof(IOleWindow))
            *object = static_cast<IOleWindow*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window)
            return E_POINTER;
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const std::wstring* given = IsSelf(child) ? GivenName(control_) : nullptr;
        if (!given)
            return standard_->get_accName(child, name);
        if (!name)
            return E_POINTER;
        *name = SysAllocStringLen(given->c_str(), static_cast<UINT>(given->size()));
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    // Everything else is the system's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* error,
                                     UINT* wrong) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, error, wrong);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override {
        return standard_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~NamedAccessible() { standard_->Release(); }

    LONG references_ = 1;
    HWND control_;
    IAccessible* standard_;
};

// The answer to a reader's WM_GETOBJECT for the control's client object, or 0 to let the system
// answer with its own object.
LRESULT AnswerWithName(HWND control, WPARAM flags) {
    const Oleacc& oleacc = LoadedOleacc();
    if (!oleacc.createStandard || !oleacc.resultFromObject)
        return 0;
    // Handing the object over marshals it through COM. The window's thread is left initialised,
    // as for the shell's objects: a reader may ask again at any time.
    CoInitialize(nullptr);
    IAccessible* standard = nullptr;
    if (FAILED(oleacc.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    auto* named = new NamedAccessible(control, standard);
    const LRESULT answer =
        oleacc.resultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(named));
    named->Release();
    // A failure comes back as a negative HRESULT, which the reader would take for an object.
    return answer < 0 ? 0 : answer;
}

LRESULT CALLBACK NameProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) noexcept {
    switch (msg) {
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
            try {
                if (const LRESULT answer = AnswerWithName(control, wParam))
                    return answer;
            } catch (...) {
                // Out of memory: the system's own object answers.
            }
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, &NameProc, kNameSubclass);
        delete reinterpret_cast<std::wstring*>(data);
        break;
    default:
        break;
    }
    return DefSubclassProc(control, msg, wParam, lParam);
}

} // namespace

void SetAccessibleName(HWND control, const std::wstring& name) {
    DWORD_PTR data = 0;
    const bool named = GetWindowSubclass(control, &NameProc, kNameSubclass, &data) != FALSE;
    auto* given = reinterpret_cast<std::wstring*>(data);
    if (name.empty()) {
        if (!named)
            return;
        RemoveWindowSubclass(control, &NameProc, kNameSubclass);
        delete given;
    } else if (named) {
        if (*given == name)
            return;
        *given = name;
    } else {
        SetWindowSubclass(control, &NameProc, kNameSubclass,
                          reinterpret_cast<DWORD_PTR>(new std::wstring(name)));
    }
    // Readers that hold the control's object hear of the change.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace ui
