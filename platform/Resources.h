// Resources of the program's own module (FindResourceA, LoadResource,
// LockResource, SizeofResource).
#pragma once
#include <cstdint>
#include <string>

namespace platform {

// The bytes of resource `id` of the named type, in the module's image: they
// stay valid for the life of the process. False when there is no such
// resource or it cannot be loaded.
bool LoadModuleResource(uint32_t id, const std::string& type, const uint8_t** data,
                        uint32_t* size);

}  // namespace platform
