#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""failingflush.py ROOT MOUNTPOINT: ROOT at MOUNTPOINT, but every flush of a file or folder
fails (EIO), as on a network folder or a dying USB stick. In the foreground, until unmounted."""
import errno
import os
import sys

from fusepy import FUSE, FuseOSError, Operations

# Calls that go to an os function with the path under ROOT and that many of their arguments.
PASSED_ON = {'chmod': (os.chmod, 1), 'chown': (os.chown, 2), 'mkdir': (os.mkdir, 1), 'rmdir': (os.rmdir, 0),
             'unlink': (os.unlink, 0), 'truncate': (os.truncate, 1), 'utimens': (os.utime, 1), 'open': (os.open, 1)}


def fields(result, prefix):
    return {key: getattr(result, key) for key in dir(result) if key.startswith(prefix) and not key.endswith('_ns')}


class FailingFlush(Operations):
    def __init__(self, root):
        self.root = root

    def __call__(self, operation, path, *args):
        try:
            if operation in PASSED_ON:
                function, count = PASSED_ON[operation]
                return function(self.root + path, *args[:count]) or 0
            return getattr(self, operation)(self.root + path if path else path, *args)
        except OSError as error:
            raise FuseOSError(error.errno or errno.EIO)
        except AttributeError:
            raise FuseOSError(errno.ENOSYS)

    def getattr(self, path, fh=None):
        return fields(os.lstat(path), 'st_')

    def statfs(self, path):
        return fields(os.statvfs(path), 'f_')

    def readdir(self, path, fh):
        return ['.', '..'] + os.listdir(path)

    def rename(self, old, new):
        os.rename(old, self.root + new)

    def link(self, target, source):
        os.link(self.root + source, target)

    def create(self, path, mode, fi=None):
        return os.open(path, os.O_WRONLY | os.O_CREAT | os.O_EXCL, mode)

    def read(self, path, size, offset, fh):
        return os.pread(fh, size, offset)

    def write(self, path, data, offset, fh):
        return os.pwrite(fh, data, offset)

    def release(self, path, fh):
        os.close(fh)

    def fsync(self, path, datasync, fh):
        raise FuseOSError(errno.EIO)

    fsyncdir = fsync


if __name__ == '__main__':
    FUSE(FailingFlush(sys.argv[1]), sys.argv[2], foreground=True, nothreads=True, use_ino=True,
         default_permissions=True)
