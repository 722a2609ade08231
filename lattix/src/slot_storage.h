// Element storage and the out-of-memory policy behind every Lattix export.
//
// Element arrays come from the platform heap. When an allocation fails the
// user is told to quit, and the value is built on the emergency reserve, a
// 5000-slot block taken when the library loads, so the running operation can
// finish without a fault. Several values may share the reserve; their
// contents are meaningless. Such arrays are never freed through a value: the
// reserve is released only when the library unloads.
//
// A request for more slots than the reserve holds cannot be built on it
// without overrunning it: such a value gets no storage at all (0 x 0, kind
// Empty, null arrays), and the operations that needed it stop.
#ifndef LATTIX_SLOT_STORAGE_H
#define LATTIX_SLOT_STORAGE_H

#include <cstddef>
#include <cstdint>

#include "lattix.h"

namespace lattix {

inline constexpr uint32_t kReserveSlots = 5000;  // 40000 bytes

// Shows "Out of memory.\nQuit Orvana immediately!" (stop icon, foreground,
// no owner, caption "Orvana").
void showOutOfMemory();

// Allocates `count` slots, all 0.0 when `zeroed`. On failure shows the message
// and returns the reserve when count fits in it, else null. count 0 gives null.
double* allocateSlots(size_t count, bool zeroed);
// Releases slots from allocateSlots; null and the reserve are ignored.
void releaseSlots(double* slots);
bool isReserve(const double* slots);

// Replaces m's arrays by two new ones of `count` slots (old ones released,
// capacity = count modulo 65536). Returns false when no storage could be had:
// m is then empty (0 x 0, kind Empty, null arrays, capacity 0).
// With `keepSlots` the first keepSlots slots of the old arrays are copied over.
bool reallocateArrays(Matrix* m, size_t count, bool zeroed, size_t keepSlots = 0);
// Releases m's arrays and makes it an empty value.
void makeEmpty(Matrix* m);

// The record itself. Never null unless memory is exhausted and the small
// emergency pool of records is used up as well.
Matrix* allocateRecord();
void releaseRecord(Matrix* m);

// Number of UTF-16 units before the terminator of a string value's text.
size_t stringLength(const Matrix* m);
// Slots needed by a string of `length` units with its terminator, plus one.
inline size_t stringSlots(size_t length) { return (length + 1) / 4 + 1; }

// The kind a shape gets: 0 for no elements, 1 for 1 x 1, 2 otherwise.
inline uint16_t kindForShape(uint16_t rows, uint16_t cols) {
    uint32_t n = uint32_t(rows) * cols;
    return n == 0 ? LATTIX_KIND_EMPTY : (n == 1 ? LATTIX_KIND_SCALAR : LATTIX_KIND_MATRIX_VALUE);
}

// Working storage of n doubles for the duration of an operation. On
// exhaustion it follows the policy above; ok() is false when it got nothing.
class SlotBuffer {
public:
    explicit SlotBuffer(size_t count, bool zeroed = false)
        : data_(count == 0 ? nullptr : allocateSlots(count, zeroed)), count_(count) {}
    ~SlotBuffer() { releaseSlots(data_); }
    SlotBuffer(const SlotBuffer&) = delete;
    SlotBuffer& operator=(const SlotBuffer&) = delete;

    bool ok() const { return count_ == 0 || data_ != nullptr; }
    double* data() { return data_; }
    double& operator[](size_t i) { return data_[i]; }
    size_t size() const { return count_; }

private:
    double* data_;
    size_t count_;
};

// Owns a temporary Matrix made with newMatrix.
class TemporaryMatrix {
public:
    TemporaryMatrix(uint16_t rows, uint16_t cols) : m_(newMatrix(rows, cols)) {}
    ~TemporaryMatrix() {
        if (m_ != nullptr) delMatrix(m_);
    }
    TemporaryMatrix(const TemporaryMatrix&) = delete;
    TemporaryMatrix& operator=(const TemporaryMatrix&) = delete;

    Matrix* get() const { return m_; }
    Matrix* operator->() const { return m_; }
    // Whether the record exists and holds the shape it was asked for.
    bool has(uint16_t rows, uint16_t cols) const {
        return m_ != nullptr && (uint32_t(rows) * cols == 0 || (m_->rows == rows && m_->cols == cols));
    }

private:
    Matrix* m_;
};

}  // namespace lattix

#endif
