#!/usr/bin/env bash
# Builds and starts the cleaner from the build's installation directory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Zelvik under a virtual X display (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/Zelvik
fi
exec build/bin/Zelvik
