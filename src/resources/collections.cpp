#include "resources/collections.h"

namespace quan {

extern const CollectionResource kCollectionResources[];
extern const size_t kCollectionResourceCount;

const CollectionResource* collectionResource(const std::string& name)
{
    for (size_t i = 0; i < kCollectionResourceCount; ++i)
        if (name == kCollectionResources[i].name)
            return &kCollectionResources[i];
    return nullptr;
}

} // namespace quan
