#pragma once

#include "core/app/CDataContainer.h"
#include "core/lang/TextLookup.h"

#include <memory>

namespace tav::test {

/// A document with every default, stored and loaded again as a saved and reopened one is, its
/// lists and texts from `texts`.
inline std::unique_ptr<CDataContainer> FreshContainer(const TextLookup& texts) {
    auto c = std::make_unique<CDataContainer>();
    c->Context().texts = &texts;
    c->CreateDefaults();
    c->StoreAll();
    c->LoadAll();
    return c;
}

} // namespace tav::test
