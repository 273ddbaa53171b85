#pragma once
#include <type_traits>
#include <utility>

// Owner of one handle that `Free` releases: releases it once, moves, never copies. `NoHandle`
// is the value that means "no handle": null for most handles, another value for APIs that
// return one (INVALID_SOCKET), or a function returning it where the value is no constant
// (INVALID_HANDLE_VALUE is a pointer made from -1).
template <typename Handle, auto Free, auto NoHandle = nullptr>
class Owned {
public:
    static Handle None() {
        if constexpr (std::is_invocable_v<decltype(NoHandle)>)
            return NoHandle();
        else
            return Handle(NoHandle);
    }

    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, None())) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, None()));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != None(); }
    // Frees the handle held and holds `handle` instead.
    void Reset(Handle handle = None()) {
        if (handle_ != None()) Free(handle_);
        handle_ = handle;
    }
    // Gives the handle up without freeing it.
    Handle Release() { return std::exchange(handle_, None()); }

private:
    Handle handle_ = None();
};
