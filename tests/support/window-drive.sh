# The start every window drive shares: the drive is skipped (status 77) when a tool it needs is missing, and the
# helpers for waiting, the sample contacts and the pictures are sourced. The drive names its tools in `tools`
# first; `support` is then this folder, for the front end's helpers and the scenario.
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps)"; exit 77; }
done
support=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wait-for.sh
source "$support/wait-for.sh"
# shellcheck source=sample-contact.sh
source "$support/sample-contact.sh"
# shellcheck source=window-pictures.sh
source "$support/window-pictures.sh"
