// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <memory>

namespace caldrix {

// A value whose copies share it until one of them is changed: a copy costs
// a counter, and a change copies the value only while another copy, on any
// thread, still holds it. Copies are made on one thread; others only read
// theirs and let them go.
template <typename T>
class CopyOnWrite {
public:
    CopyOnWrite() : value_(std::make_shared<T>()) {}
    // Not explicit: it stands in for its value.
    CopyOnWrite(T value) : value_(std::make_shared<T>(std::move(value))) {}

    const T& operator*() const { return *value_; }
    const T* operator->() const { return value_.get(); }

    // The value to change. What it gives is good until the next copy.
    T& write() {
        if (value_.use_count() > 1)
            value_ = std::make_shared<T>(*value_);
        else // the others' reads happened before they let go
            std::atomic_thread_fence(std::memory_order_acquire);
        return *value_;
    }

    bool operator==(const CopyOnWrite& other) const { return *value_ == *other.value_; }

private:
    std::shared_ptr<T> value_;
};

} // namespace caldrix
