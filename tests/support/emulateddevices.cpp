// The umockdev testbed.
#include "emulateddevices.h"

#include <umockdev.h>

#include <stdexcept>

namespace trellon::testing {

bool umockdevPreloadActive()
{
    // umockdev answers only once a testbed exists, and keeps its first answer.
    UMockdevTestbed* probe = umockdev_testbed_new();
    const bool active = umockdev_in_mock_environment();
    g_object_unref(probe);
    return active;
}

EmulatedDevices::EmulatedDevices() : testbed_(umockdev_testbed_new()) {}

EmulatedDevices::~EmulatedDevices()
{
    g_object_unref(testbed_);
}

void EmulatedDevices::add(const std::string& record)
{
    GError* error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed_, record.c_str(), &error)) {
        const std::string why = error->message;
        g_error_free(error);
        throw std::invalid_argument("umockdev record refused: " + why);
    }
}

void EmulatedDevices::remove(const std::string& sysfsPath)
{
    umockdev_testbed_uevent(testbed_, sysfsPath.c_str(), "remove");
    umockdev_testbed_remove_device(testbed_, sysfsPath.c_str());
}

} // namespace trellon::testing
