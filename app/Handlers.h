#pragma once

// Runs the work of a handler that must never show an error: whatever it throws is
// discarded, and what it had not yet written keeps its previous state.
template <typename Work>
void DropExceptions(Work&& work) noexcept {
    try {
        work();
    } catch (...) {}
}
