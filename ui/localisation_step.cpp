#include "ui/localisation_step.h"

#include "locale/gb_big5_api.h"

#include <cstdint>

void localisationStep(const forms::ControlCollection& collection) {
    gb_big5_api::applyCharsetRule();
    const std::int32_t last = collection.count() - 1;
    for (std::int32_t index = 0; index <= last; ++index)
        gb_big5_api::localiseControl(collection.controls(index));
}
