#include "platform/gdi/device_context.h"

#include "platform/core/handle_table.h"

namespace platform::gdi {
namespace {
HandleTable<DeviceContext>& table() {
  static HandleTable<DeviceContext> t(HandleTag::DeviceContext);
  return t;
}
}  // namespace

HDC addDeviceContext(DeviceContext dc) { return table().add(dc); }
DeviceContext* findDeviceContext(HDC dc) { return table().find(dc); }
bool removeDeviceContext(HDC dc) { return table().remove(dc); }

}  // namespace platform::gdi
