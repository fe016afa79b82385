#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tess::testing {

// For as long as it lives, the calling thread meets file permissions as any
// user does: run as the super-user, it sets aside its power to read, write
// and search past them, and takes it back at the end. The tests of refused
// permissions (a file one may not read, a read-only folder) then run for
// real under root too, where CI runs them. Only this thread is concerned, and
// only the effective set changes, so nothing is lost for good.
class PermissionsEnforced {
  public:
    PermissionsEnforced() {
        if (::geteuid() != 0) {
            enforced_ = true;
            return;
        }
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
        enforced_ = lowered_;
    }
    ~PermissionsEnforced() {
        if (lowered_) ::syscall(SYS_capset, &header_, saved_);
    }
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

    // Whether a permission the file's mode refuses is now refused.
    bool enforced() const { return enforced_; }

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
    bool lowered_ = false;
    bool enforced_ = false;
};

}  // namespace tess::testing
