#!/usr/bin/python3
"""A disk for the tests and benchmarks: a FUSE file system over a folder that passes
everything through, and can be made to behave like a failing disk or a memory card.

  disk_fs.py FOLDER MOUNTPOINT [--wrong-byte-in N] [--read-mbps R] [--keep-cache]
                                [--hold-reads-of NAME --while-there FILE]

--wrong-byte-in N  the Nth file written to (from 1) gets one wrong byte at offset 5000,
                   stored so: every later read gives the wrong byte back, as a failing or
                   counterfeit stick does.
--read-mbps R      reads give at most R MB/s (10^6 bytes), as a memory card in its reader.
--keep-cache       the system keeps what was read and written of a file in its cache from one
                   open to the next, as it does for a disk in the computer: a program that
                   reads a copy back gets it from there unless it lets go of it first.
--hold-reads-of NAME --while-there FILE
                   a read of a file called NAME past its first MiB waits while FILE
                   (outside the file system) is there, as a card that stalls does: whoever
                   reads it is held in the middle of the file.

Runs in the foreground until the mount point is unmounted (umount MOUNTPOINT).
"""
import argparse
import errno
import os
import threading
import time

import fusepy

WRONG_BYTE_OFFSET = 5000
HELD_AFTER = 1 << 20  # past what the kernel reads ahead at the start of a file


class DiskFs(fusepy.Operations):
    def __init__(self, folder, wrong_byte_in, read_mbps, held_name, hold):
        self.folder = os.path.realpath(folder)
        self.wrong_byte_in = wrong_byte_in
        self.held_name = held_name
        self.hold = hold
        self.bytes_per_second = read_mbps * 1e6 if read_mbps else 0
        self.guard = threading.Lock()
        self.written = []  # the files written to, in order, by their inode
        self.read_start = None
        self.read_bytes = 0

    def _path(self, path):
        return os.path.join(self.folder, path.lstrip("/"))

    def _call(self, function, *args):
        try:
            return function(*args)
        except OSError as error:
            raise fusepy.FuseOSError(error.errno or errno.EIO)

    # Files and folders, passed through.
    def getattr(self, path, fh=None):
        info = self._call(os.lstat, self._path(path))
        return {key: getattr(info, key) for key in (
            "st_mode", "st_nlink", "st_uid", "st_gid", "st_size", "st_atime", "st_mtime",
            "st_ctime", "st_ino")}

    def readdir(self, path, fh):
        return [".", ".."] + self._call(os.listdir, self._path(path))

    def access(self, path, mode):
        if not os.access(self._path(path), mode):
            raise fusepy.FuseOSError(errno.EACCES)

    def statfs(self, path):
        info = self._call(os.statvfs, self._path(path))
        return {key: getattr(info, key) for key in (
            "f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail", "f_ffree", "f_files",
            "f_flag", "f_frsize", "f_namemax")}

    def mkdir(self, path, mode):
        self._call(os.mkdir, self._path(path), mode)

    def rmdir(self, path):
        self._call(os.rmdir, self._path(path))

    def unlink(self, path):
        self._call(os.unlink, self._path(path))

    def rename(self, old, new):
        self._call(os.rename, self._path(old), self._path(new))

    def link(self, target, source):
        self._call(os.link, self._path(source), self._path(target))

    def chmod(self, path, mode):
        self._call(os.chmod, self._path(path), mode)

    def chown(self, path, uid, gid):
        self._call(os.chown, self._path(path), uid, gid)

    def utimens(self, path, times=None):
        self._call(os.utime, self._path(path), times)

    def truncate(self, path, length, fh=None):
        self._call(os.truncate, self._path(path), length)

    def open(self, path, flags):
        return self._call(os.open, self._path(path), flags & ~os.O_DIRECT)

    def create(self, path, mode, fi=None):
        return self._call(os.open, self._path(path), os.O_WRONLY | os.O_CREAT | os.O_EXCL, mode)

    def flush(self, path, fh):
        return 0

    def fsync(self, path, datasync, fh):
        self._call(os.fsync, fh)
        return 0

    def release(self, path, fh):
        self._call(os.close, fh)
        return 0

    # Reads no faster than the card, writes that may store a wrong byte.
    def read(self, path, size, offset, fh):
        if os.path.basename(path) == self.held_name and offset + size > HELD_AFTER:
            while os.path.exists(self.hold):
                time.sleep(0.01)
        data = self._call(os.pread, fh, size, offset)
        if self.bytes_per_second:
            with self.guard:
                now = time.monotonic()
                if self.read_start is None or now - self._due() > 0.02:
                    # A card does not read faster after a pause: time nobody read is lost.
                    self.read_start, self.read_bytes = now, 0
                self.read_bytes += len(data)
                due = self._due()
            time.sleep(max(0.0, due - time.monotonic()))
        return data

    def _due(self):
        return self.read_start + self.read_bytes / self.bytes_per_second

    def write(self, path, data, offset, fh):
        inode = os.fstat(fh).st_ino
        with self.guard:
            if inode not in self.written:
                self.written.append(inode)
            wrong = self.written.index(inode) + 1 == self.wrong_byte_in
        at = WRONG_BYTE_OFFSET - offset
        if wrong and 0 <= at < len(data):
            data = bytearray(data)
            data[at] ^= 0x20
            data = bytes(data)
        return self._call(os.pwrite, fh, data, offset)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder")
    parser.add_argument("mountpoint")
    parser.add_argument("--wrong-byte-in", type=int, default=0)
    parser.add_argument("--read-mbps", type=float, default=0)
    parser.add_argument("--keep-cache", action="store_true")
    parser.add_argument("--hold-reads-of", default="")
    parser.add_argument("--while-there", default="")
    args = parser.parse_args()
    options = {"foreground": True, "nothreads": False, "default_permissions": True}
    if args.keep_cache:
        options["kernel_cache"] = True
    if os.getuid() == 0:
        options["allow_other"] = True
    disk = DiskFs(args.folder, args.wrong_byte_in, args.read_mbps, args.hold_reads_of,
                  args.while_there)
    fusepy.FUSE(disk, args.mountpoint, **options)


if __name__ == "__main__":
    main()
