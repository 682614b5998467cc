#!/usr/bin/env bash
# Runs .ci/run as CI does on a fresh machine: in a bare Debian 12 root made with debootstrap (nothing else
# installed), on a clean clone of a commit of this repository. Needs root and Debian's package archive.
#   sudo bash scripts/bare-debian-ci.sh [COMMIT] [WORK_DIR]
# COMMIT defaults to HEAD, WORK_DIR to /var/tmp/calcfluides-bare-ci. The bare root is made once and kept
# (WORK_DIR/bare); each run copies it afresh. The run's output goes to WORK_DIR/ci.log as well.
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse "${1:-HEAD}")
work=${2:-/var/tmp/calcfluides-bare-ci}
[ "$(id -u)" -eq 0 ] || { echo "bare-debian-ci.sh must run as root (debootstrap, chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap
mkdir -p "$work"
if [ ! -e "$work/bare/etc/debian_version" ]; then
  rm -rf "$work/bare"
  debootstrap bookworm "$work/bare" http://deb.debian.org/debian
fi

root="$work/root"
unmount() {
  for m in dev/pts dev proc sys; do mountpoint -q "$root/$m" && umount -l "$root/$m"; done
  return 0
}
trap unmount EXIT
unmount
rm -rf "$root"
cp -a "$work/bare" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
git clone -q --no-local "$PWD" "$root/ci"
git -C "$root/ci" checkout -q --detach "$commit"
echo "bare Debian $(cat "$root/etc/debian_version"), commit $commit"
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin CI=true LANG=C.UTF-8 \
  bash -c 'cd /ci && bash .ci/run' </dev/null 2>&1 | tee "$work/ci.log"
status=${PIPESTATUS[0]}
echo "bash .ci/run in the bare root ended with $status"
exit "$status"
