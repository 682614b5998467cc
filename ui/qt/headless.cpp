#include "ui/qt/headless.h"

#include <QString>
#include <QtGlobal>

namespace cf::qt {

namespace {

QtMessageHandler previous = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support") || message.startsWith("QStandardPaths: XDG_RUNTIME_DIR"))
        return;
    if (previous) previous(type, context, message);
}

}  // namespace

void use_offscreen_without_display() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void quiet_platform_notices() { previous = qInstallMessageHandler(filter); }

}  // namespace cf::qt
