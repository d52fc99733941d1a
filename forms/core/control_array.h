#pragma once
// A control array: controls of one name, addressed by an index from 0.

#include "errors/error.h"

#include <vector>

namespace forms {

template <typename ControlType> class ControlArray {
  public:
    explicit ControlArray(std::vector<ControlType*> elements) : elements_(std::move(elements)) {}

    int count() const { return static_cast<int>(elements_.size()); }

    // The element at an index; error 340 when the array has none there.
    ControlType& operator[](int index) const {
        if (index < 0 || static_cast<std::size_t>(index) >= elements_.size() ||
            !elements_[static_cast<std::size_t>(index)])
            throw errors::missingElementError(index);
        return *elements_[static_cast<std::size_t>(index)];
    }

  private:
    std::vector<ControlType*> elements_;
};

} // namespace forms
