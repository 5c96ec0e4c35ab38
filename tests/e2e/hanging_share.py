#!/usr/bin/env python3
"""A read-only mirror of a folder that behaves like a network share that
stopped answering: names, sizes and the first 4 KiB of every file come at
once, any read reaching further never returns. Each stalled read is noted,
one line per file, in a log, so a test can wait for it.

As NFS and SMB clients do, a read gives up once its process is being killed
(FUSE itself would wait it out, keeping a dead process around for good).

Usage: hanging_share.py SOURCE MOUNTPOINT STALL_LOG  (runs until unmounted)
"""
import errno
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations, fuse_get_context

ANSWERED_BYTES = 4096
SIGKILL_BIT = 1 << 8


def being_killed(thread):
    """Whether the thread that made a request is gone or has SIGKILL pending."""
    try:
        with open("/proc/%d/status" % thread) as status:
            for line in status:
                name, _, value = line.partition(":")
                if name in ("SigPnd", "ShdPnd") and int(value, 16) & SIGKILL_BIT:
                    return True
                if name == "State" and value.split()[0] in ("Z", "X"):
                    return True
    except OSError:
        return True
    return False


class HangingShare(Operations):
    def __init__(self, source, stall_log):
        self.source = source
        self.stall_log = stall_log

    def _real(self, path):
        return os.path.join(self.source, path.lstrip("/"))

    def getattr(self, path, fh=None):
        try:
            st = os.lstat(self._real(path))
        except OSError as error:
            raise FuseOSError(error.errno)
        keys = ("st_mode", "st_size", "st_nlink", "st_uid", "st_gid",
                "st_atime", "st_mtime", "st_ctime")
        return {key: getattr(st, key) for key in keys}

    def readdir(self, path, fh):
        return [".", ".."] + os.listdir(self._real(path))

    def open(self, path, flags):
        if flags & (os.O_WRONLY | os.O_RDWR):
            raise FuseOSError(errno.EROFS)
        return os.open(self._real(path), os.O_RDONLY)

    def read(self, path, size, offset, fh):
        if offset + size > ANSWERED_BYTES:
            thread = fuse_get_context()[2]
            with open(self.stall_log, "a") as log:
                log.write(os.path.basename(path) + "\n")
            while not being_killed(thread):
                time.sleep(0.02)
            raise FuseOSError(errno.EIO)
        return os.pread(fh, size, offset)

    def release(self, path, fh):
        os.close(fh)


if __name__ == "__main__":
    source, mountpoint, stall_log = sys.argv[1:4]
    # direct_io: every read of the reader reaches us as it was made, not as
    # the page cache's larger read-ahead.
    FUSE(HangingShare(source, stall_log), mountpoint, foreground=True, nothreads=False,
         ro=True, direct_io=True, allow_other=True)
