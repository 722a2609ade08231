// Data parameters: a String names the variable that holds the data, any
// other value is the data itself. Also the variables the library creates by
// name, and the column view of data whose single row counts as one sample.
#ifndef ORVANA_STATISTICS_DATA_SOURCE_H
#define ORVANA_STATISTICS_DATA_SOURCE_H

#include <cstdint>

#include "keypad.h"
#include "lattix.h"

namespace statistics {

// The data a parameter stands for: the named variable, or the parameter
// itself. 0, or 56 for a name that names no variable.
int32_t resolveData(Matrix& parameter, const HostServices* services, Matrix** data);

// The variable of that name, created when missing. 0, or 9 for an empty
// name or one too long to be a variable name.
int32_t findOrCreateVariable(const char16_t* name, const HostServices* services, Matrix** variable);

// The columns of data as samples. Data of one row and several columns is
// one sample of all its values when the operator says so; otherwise every
// column is one sample of `rows` values.
class ColumnView {
  public:
    ColumnView(const Matrix& data, bool singleRowIsOneSample);

    uint16_t columns() const { return columns_; }
    uint16_t length() const { return length_; }
    // The slot of value i of column c in the data's arrays.
    uint32_t slot(uint16_t c, uint32_t i) const { return c + i * stride_; }
    double re(uint16_t c, uint32_t i) const { return data_.re[slot(c, i)]; }
    double im(uint16_t c, uint32_t i) const { return data_.im[slot(c, i)]; }

  private:
    const Matrix& data_;
    uint16_t columns_;
    uint16_t length_;
    uint32_t stride_;
};

}  // namespace statistics

#endif
