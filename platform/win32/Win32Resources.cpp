#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

std::vector<uint8_t> Win32Resources::Load(std::string_view type, int id) {
  const std::wstring typeName = Wide(type);
  HRSRC found = FindResourceW(instance_, MAKEINTRESOURCEW(id), typeName.c_str());
  if (!found) return {};
  HGLOBAL loaded = LoadResource(instance_, found);
  const DWORD size = SizeofResource(instance_, found);
  const auto* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
  if (!bytes || size == 0) return {};
  return std::vector<uint8_t>(bytes, bytes + size);
}

}  // namespace kestal::win32
