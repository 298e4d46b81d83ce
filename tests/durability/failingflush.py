#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A folder whose disk fails every flush: it passes everything through to
ROOT except fsync and fdatasync, of files and folders alike, which end in an
I/O error (EIO), as a network folder or a dying USB stick can.

    failingflush.py ROOT MOUNTPOINT   (in the foreground, until unmounted)
"""
import errno
import os
import sys

from fusepy import FUSE, FuseOSError, Operations


class FailingFlush(Operations):
    def __init__(self, root):
        self.root = root

    def _path(self, path):
        return os.path.join(self.root, path.lstrip('/'))

    def __call__(self, operation, path, *args):
        # Everything not defined below goes straight to the real folder.
        try:
            return super().__call__(operation, path, *args)
        except OSError as error:
            raise FuseOSError(error.errno or errno.EIO)

    def getattr(self, path, fh=None):
        st = os.lstat(self._path(path))
        return {key: getattr(st, key) for key in ('st_ino', 'st_mode', 'st_nlink', 'st_size', 'st_uid', 'st_gid',
                                                   'st_atime', 'st_mtime', 'st_ctime')}

    def readdir(self, path, fh):
        return ['.', '..'] + os.listdir(self._path(path))

    def access(self, path, mode):
        if not os.access(self._path(path), mode):
            raise FuseOSError(errno.EACCES)

    def statfs(self, path):
        st = os.statvfs(self._path(path))
        return {key: getattr(st, key) for key in ('f_bavail', 'f_bfree', 'f_blocks', 'f_bsize', 'f_favail',
                                                   'f_ffree', 'f_files', 'f_flag', 'f_frsize', 'f_namemax')}

    def chmod(self, path, mode):
        os.chmod(self._path(path), mode)

    def chown(self, path, uid, gid):
        os.chown(self._path(path), uid, gid)

    def utimens(self, path, times=None):
        os.utime(self._path(path), times)

    def mkdir(self, path, mode):
        os.mkdir(self._path(path), mode)

    def rmdir(self, path):
        os.rmdir(self._path(path))

    def unlink(self, path):
        os.unlink(self._path(path))

    def rename(self, old, new):
        os.rename(self._path(old), self._path(new))

    def link(self, target, source):
        os.link(self._path(source), self._path(target))

    def open(self, path, flags):
        return os.open(self._path(path), flags)

    def create(self, path, mode, fi=None):
        return os.open(self._path(path), os.O_WRONLY | os.O_CREAT | os.O_EXCL, mode)

    def read(self, path, size, offset, fh):
        return os.pread(fh, size, offset)

    def write(self, path, data, offset, fh):
        return os.pwrite(fh, data, offset)

    def truncate(self, path, length, fh=None):
        os.truncate(self._path(path), length)

    def release(self, path, fh):
        os.close(fh)

    def flush(self, path, fh):
        return 0

    def fsync(self, path, datasync, fh):
        raise FuseOSError(errno.EIO)

    def fsyncdir(self, path, datasync, fh):
        raise FuseOSError(errno.EIO)


if __name__ == '__main__':
    FUSE(FailingFlush(sys.argv[1]), sys.argv[2], foreground=True, nothreads=True, use_ino=True,
         default_permissions=True)
