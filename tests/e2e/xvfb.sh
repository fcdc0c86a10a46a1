# Sourced by the end-to-end scripts, with their arguments: runs the script again under a
# virtual X server of its own, and gives Qt a private runtime directory there.
if [ -z "${VELMOR_E2E_INNER:-}" ]; then
    export VELMOR_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -nolisten tcp" "$0" "$@"
fi
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
