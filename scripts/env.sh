# Environment shared by the run and test scripts (sourced).
# Qt WebEngine refuses to start its sandbox as root; a normal user keeps the sandbox.
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
BUILD_DIR="${BUILD_DIR:-build}"
JOBS="${JOBS:-$(nproc)}"
