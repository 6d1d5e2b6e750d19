#include "platform/Modal.h"

namespace platform {
namespace {
ModalDriver* driver = nullptr;
}

ModalDriver::ModalDriver(Handler h) : handler_(std::move(h)), previous_(driver) {
    driver = this;
}
ModalDriver::~ModalDriver() {
    driver = previous_;
}

int ShowModal(QDialog& dialog) {
    if (!driver) return dialog.exec();
    ModalDriver* d = driver;
    ++d->shown_;
    dialog.setModal(true);
    dialog.show();
    if (d->handler_) d->handler_(dialog);
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

} // namespace platform
