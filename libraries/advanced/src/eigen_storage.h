// Storage shared by the eigenvalue routines. The routines count rows and
// columns from 1, as the published algorithms do, so that each loop reads
// like its original; elements are stored row by row.
#ifndef ORVANA_ADVANCED_EIGEN_STORAGE_H
#define ORVANA_ADVANCED_EIGEN_STORAGE_H

#include <cstddef>
#include <vector>

namespace advanced::eigen {

// An n x n real matrix addressed as (row, column), both from 1.
class Square {
public:
    explicit Square(int n) : n_(n), a_(std::size_t(n) * std::size_t(n), 0.0) {}
    int order() const { return n_; }
    double& operator()(int i, int j) {
        return a_[std::size_t(i - 1) * std::size_t(n_) + std::size_t(j - 1)];
    }
    double operator()(int i, int j) const {
        return a_[std::size_t(i - 1) * std::size_t(n_) + std::size_t(j - 1)];
    }
    // Row i from column 1: n contiguous elements.
    double* row(int i) { return a_.data() + std::size_t(i - 1) * std::size_t(n_); }

private:
    int n_;
    std::vector<double> a_;
};

// A vector addressed from 1.
class Vector {
public:
    explicit Vector(int n) : v_(std::size_t(n) + 1, 0.0) {}
    double& operator()(int i) { return v_[std::size_t(i)]; }
    double operator()(int i) const { return v_[std::size_t(i)]; }

private:
    std::vector<double> v_;
};

// The same for row indices (the interchanges of the Hessenberg reduction).
class IndexVector {
public:
    explicit IndexVector(int n) : v_(std::size_t(n) + 1, 0) {}
    int& operator()(int i) { return v_[std::size_t(i)]; }
    int operator()(int i) const { return v_[std::size_t(i)]; }

private:
    std::vector<int> v_;
};

// The rows and columns low to igh that balancing left to be worked on.
struct ActiveBlock {
    int low = 1;
    int igh = 1;
};

}  // namespace advanced::eigen

#endif
