# Sourced by the end-to-end scripts, with their arguments, after they name the tools they
# need in `tools`: says which one is missing, then runs the script again under a virtual X
# server of its own and gives Qt a private runtime directory there.
for tool in xvfb-run "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup --test installs it)" >&2; exit 1; }
done
if [ -z "${VELMOR_E2E_INNER:-}" ]; then
    export VELMOR_E2E_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -nolisten tcp" "$0" "$@"
fi
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
