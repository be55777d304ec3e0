#pragma once

#include <cstddef>
#include <utility>

namespace cv {

// Intrusive use count shared by every object that several holders keep alive.
// The last release deletes the object.
class RefCounted {
public:
    void addRef() const noexcept { ++uses_; }
    void release() const noexcept {
        if (--uses_ == 0) delete this;
    }
    int useCount() const noexcept { return uses_; }

protected:
    RefCounted() = default;
    RefCounted(const RefCounted&) noexcept {}
    RefCounted& operator=(const RefCounted&) noexcept { return *this; }
    virtual ~RefCounted() = default;

private:
    mutable int uses_ = 0;
};

// Smart pointer over RefCounted objects; copies count themselves in.
template <class T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept {}
    Ref(T* p) noexcept : p_(p) {
        if (p_) p_->addRef();
    }
    Ref(const Ref& o) noexcept : Ref(o.p_) {}
    Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    template <class U>
    Ref(const Ref<U>& o) noexcept : Ref(o.get()) {}
    ~Ref() {
        if (p_) p_->release();
    }
    Ref& operator=(Ref o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }

    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    T& operator*() const noexcept { return *p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    bool operator==(const Ref& o) const noexcept { return p_ == o.p_; }

private:
    T* p_ = nullptr;
};

template <class T, class... Args>
Ref<T> MakeRef(Args&&... args) {
    return Ref<T>(new T(std::forward<Args>(args)...));
}

}  // namespace cv
