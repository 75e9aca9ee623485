// The owner of one COM interface pointer: released by the destructor, never copied.
#pragma once

#include <objbase.h>

#include <utility>

namespace kt {

template <class T>
class TPonteiroCom {
public:
    TPonteiroCom() = default;
    ~TPonteiroCom() { Liberar(); }
    TPonteiroCom(const TPonteiroCom&) = delete;
    TPonteiroCom& operator=(const TPonteiroCom&) = delete;
    TPonteiroCom(TPonteiroCom&& outro) noexcept
        : ponteiro_(std::exchange(outro.ponteiro_, nullptr)) {}
    TPonteiroCom& operator=(TPonteiroCom&& outro) noexcept {
        if (this != &outro) {
            Liberar();
            ponteiro_ = std::exchange(outro.ponteiro_, nullptr);
        }
        return *this;
    }

    T* operator->() const { return ponteiro_; }
    T* Get() const { return ponteiro_; }
    explicit operator bool() const { return ponteiro_ != nullptr; }

    // Where a creating call stores the new pointer; whatever was held is released first.
    void** Put() {
        Liberar();
        return reinterpret_cast<void**>(&ponteiro_);
    }

    // Another interface of the same object; an empty owner when the object does not offer it.
    template <class U>
    HRESULT Consultar(TPonteiroCom<U>& outro) const {
        return ponteiro_->QueryInterface(__uuidof(U), outro.Put());
    }

private:
    void Liberar() {
        if (ponteiro_)
            std::exchange(ponteiro_, nullptr)->Release();
    }

    T* ponteiro_ = nullptr;
};

} // namespace kt
