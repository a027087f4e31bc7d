/* slowfs: a folder served again through FUSE, with chosen listings and
 * writes that are slow, never answer, fail, or make folders vanish.
 *
 *   slowfs SOURCE MOUNTPOINT [RULE...] [-- FUSE OPTION...]
 *
 * Runs in the foreground until unmounted (fusermount3 -u MOUNTPOINT) or
 * killed. A RULE is WHAT:PATH:ACTION, PATH relative to the mount, from "/":
 *   list:/a:hang        reading the folder /a never answers
 *   list:/a:delay=500   ... answers after 500 ms
 *   list:/a:fail=13     ... fails with that errno (13: EACCES, 5: EIO)
 *   list:/a:vanish      ... answers, then the folders it listed are removed
 *                       from SOURCE, as by another user or an unmount
 *   write:/f:hang       writing to the file /f never answers
 *   write:/f:delay=500  ... each piece written, of 128 KiB at most, waits
 *   write:/f:fail=28    ... fails with that errno (28: ENOSPC)
 * A hang says "slowfs: hanging in PATH" on standard error; it ends when the
 * caller gives up (a signal, as on a share mounted with "intr") or the file
 * system is unmounted. Nothing is cached by the
 * kernel (entry_timeout and attr_timeout 0), so every change in SOURCE is
 * seen at once. */
#define FUSE_USE_VERSION 31
#define _GNU_SOURCE

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <fuse_lowlevel.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

enum action { HANG, DELAY, FAIL, VANISH };

struct rule {
    int write;
    char path[PATH_MAX];
    enum action action;
    int value;
};

static const char* source;
static struct rule rules[32];
static int ruleCount;

static void full(char out[PATH_MAX], const char* path)
{
    snprintf(out, PATH_MAX, "%s%s", source, path);
}

static void pause_ms(int ms)
{
    struct timespec wait = {ms / 1000, (long)(ms % 1000) * 1000000L};
    nanosleep(&wait, NULL);
}

/* Applies the rules for the path; a negative errno when it is to fail. */
static int apply(int write, const char* path, int* vanish)
{
    for (int i = 0; i < ruleCount; ++i) {
        const struct rule* r = &rules[i];
        if (r->write != write || strcmp(r->path, path) != 0)
            continue;
        switch (r->action) {
        case HANG:
            fprintf(stderr, "slowfs: hanging in %s\n", path);
            while (!fuse_interrupted() && !fuse_session_exited(fuse_get_session(fuse_get_context()->fuse)))
                pause_ms(100);
            return -EINTR;
        case DELAY:
            pause_ms(r->value);
            break;
        case FAIL:
            return -r->value;
        case VANISH:
            *vanish = 1;
            break;
        }
    }
    return 0;
}

static int fs_getattr(const char* path, struct stat* st, struct fuse_file_info* fi)
{
    (void)fi;
    char p[PATH_MAX];
    full(p, path);
    return lstat(p, st) == 0 ? 0 : -errno;
}

static int fs_readdir(const char* path, void* buf, fuse_fill_dir_t fill, off_t offset, struct fuse_file_info* fi,
                      enum fuse_readdir_flags flags)
{
    (void)offset, (void)fi, (void)flags;
    int vanish = 0;
    const int failed = apply(0, path, &vanish);
    if (failed)
        return failed;
    char p[PATH_MAX];
    full(p, path);
    DIR* dir = opendir(p);
    if (!dir)
        return -errno;
    char listed[64][NAME_MAX + 1];
    int count = 0;
    for (struct dirent* e; (e = readdir(dir));) {
        struct stat st = {.st_ino = e->d_ino, .st_mode = (mode_t)DTTOIF(e->d_type)};
        fill(buf, e->d_name, &st, 0, 0);
        if (e->d_type == DT_DIR && e->d_name[0] != '.' && count < 64)
            snprintf(listed[count++], NAME_MAX + 1, "%s", e->d_name);
    }
    closedir(dir);
    for (int i = 0; vanish && i < count; ++i) {
        char command[2 * PATH_MAX];
        snprintf(command, sizeof command, "rm -rf '%s/%s'", p, listed[i]);
        if (system(command) != 0)
            return -EIO;
    }
    return 0;
}

static int fs_mkdir(const char* path, mode_t mode)
{
    char p[PATH_MAX];
    full(p, path);
    return mkdir(p, mode) == 0 ? 0 : -errno;
}

static int fs_open(const char* path, struct fuse_file_info* fi)
{
    char p[PATH_MAX];
    full(p, path);
    const int fd = open(p, fi->flags);
    if (fd < 0)
        return -errno;
    fi->fh = (uint64_t)fd;
    return 0;
}

static int fs_create(const char* path, mode_t mode, struct fuse_file_info* fi)
{
    char p[PATH_MAX];
    full(p, path);
    const int fd = open(p, fi->flags, mode);
    if (fd < 0)
        return -errno;
    fi->fh = (uint64_t)fd;
    return 0;
}

static int fs_read(const char* path, char* buf, size_t size, off_t offset, struct fuse_file_info* fi)
{
    (void)path;
    const ssize_t got = pread((int)fi->fh, buf, size, offset);
    return got < 0 ? -errno : (int)got;
}

static int fs_write(const char* path, const char* buf, size_t size, off_t offset, struct fuse_file_info* fi)
{
    int vanish = 0;
    const int failed = apply(1, path, &vanish);
    if (failed)
        return failed;
    const ssize_t put = pwrite((int)fi->fh, buf, size, offset);
    return put < 0 ? -errno : (int)put;
}

static int fs_release(const char* path, struct fuse_file_info* fi)
{
    (void)path;
    close((int)fi->fh);
    return 0;
}

static int fs_fsync(const char* path, int datasync, struct fuse_file_info* fi)
{
    (void)path;
    return (datasync ? fdatasync((int)fi->fh) : fsync((int)fi->fh)) == 0 ? 0 : -errno;
}

static int fs_rename(const char* from, const char* to, unsigned int flags)
{
    if (flags)
        return -EINVAL;
    char a[PATH_MAX], b[PATH_MAX];
    full(a, from);
    full(b, to);
    return rename(a, b) == 0 ? 0 : -errno;
}

static int fs_unlink(const char* path)
{
    char p[PATH_MAX];
    full(p, path);
    return unlink(p) == 0 ? 0 : -errno;
}

static int fs_truncate(const char* path, off_t size, struct fuse_file_info* fi)
{
    if (fi)
        return ftruncate((int)fi->fh, size) == 0 ? 0 : -errno;
    char p[PATH_MAX];
    full(p, path);
    return truncate(p, size) == 0 ? 0 : -errno;
}

static int fs_chmod(const char* path, mode_t mode, struct fuse_file_info* fi)
{
    (void)fi;
    char p[PATH_MAX];
    full(p, path);
    return chmod(p, mode) == 0 ? 0 : -errno;
}

static int fs_utimens(const char* path, const struct timespec tv[2], struct fuse_file_info* fi)
{
    (void)fi;
    char p[PATH_MAX];
    full(p, path);
    return utimensat(AT_FDCWD, p, tv, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : -errno;
}

static void* fs_init(struct fuse_conn_info* conn, struct fuse_config* cfg)
{
    /* Pieces as small as a network share's, so that a delayed write of a
     * few MB takes seconds, not the two pieces of 1 MiB the kernel sends. */
    conn->max_write = 128 * 1024;
    cfg->entry_timeout = cfg->attr_timeout = cfg->negative_timeout = 0;
    cfg->use_ino = 1;
    /* A caller's signal interrupts its request, here a hang. */
    cfg->intr = 1;
    return NULL;
}

static const struct fuse_operations operations = {
    .getattr = fs_getattr, .readdir = fs_readdir, .mkdir = fs_mkdir,     .open = fs_open,
    .create = fs_create,   .read = fs_read,       .write = fs_write,     .release = fs_release,
    .fsync = fs_fsync,     .rename = fs_rename,   .unlink = fs_unlink,   .truncate = fs_truncate,
    .chmod = fs_chmod,     .utimens = fs_utimens, .init = fs_init,
};

static int parse_rule(const char* text, struct rule* r)
{
    const char* first = strchr(text, ':');
    const char* last = strrchr(text, ':');
    if (!first || last == first || last - first - 1 >= PATH_MAX)
        return -1;
    if (strncmp(text, "list:", 5) == 0)
        r->write = 0;
    else if (strncmp(text, "write:", 6) == 0)
        r->write = 1;
    else
        return -1;
    memcpy(r->path, first + 1, (size_t)(last - first - 1));
    r->path[last - first - 1] = '\0';
    const char* action = last + 1;
    if (strcmp(action, "hang") == 0)
        r->action = HANG;
    else if (strcmp(action, "vanish") == 0 && !r->write)
        r->action = VANISH;
    else if (sscanf(action, "delay=%d", &r->value) == 1)
        r->action = DELAY;
    else if (sscanf(action, "fail=%d", &r->value) == 1 && r->value > 0)
        r->action = FAIL;
    else
        return -1;
    return 0;
}

static void interrupted(int signal)
{
    (void)signal;
}

int main(int argc, char* argv[])
{
    if (argc < 3) {
        fprintf(stderr, "usage: slowfs SOURCE MOUNTPOINT [list|write:PATH:ACTION...] [-- FUSE OPTION...]\n");
        return 2;
    }
    static char real[PATH_MAX];
    if (!realpath(argv[1], real)) {
        perror(argv[1]);
        return 2;
    }
    source = real;
    char* fuseArguments[64] = {argv[0], "-f", argv[2]};
    int fuseCount = 3;
    int i = 3;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        if (ruleCount == 32 || parse_rule(argv[i], &rules[ruleCount]) != 0) {
            fprintf(stderr, "slowfs: not a rule: %s\n", argv[i]);
            return 2;
        }
        ++ruleCount;
    }
    for (++i; i < argc && fuseCount < 63; ++i)
        fuseArguments[fuseCount++] = argv[i];
    /* The library sends SIGUSR1 to a request that is interrupted, but
     * leaves its handling to the file system when asked for it in init. */
    struct sigaction onInterrupt = {.sa_handler = interrupted};
    sigaction(SIGUSR1, &onInterrupt, NULL);
    return fuse_main(fuseCount, fuseArguments, &operations, NULL);
}
