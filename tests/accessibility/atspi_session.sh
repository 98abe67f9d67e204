#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command in a session of its own: a private D-Bus session bus (which starts the AT-SPI bus launcher
# and registry from at-spi2-core on demand) and a virtual X display, all ended with the command.
# Skips (77) when a part is not installed. Usage: atspi_session.sh <command> [arguments...]
set -u
for tool in dbus-run-session xvfb-run /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# dbus-run-session ends the bus, and the a11y bus and registry it activated, when the command ends.
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" "$@"
