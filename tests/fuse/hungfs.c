/* hungfs: a file system that never answers, as a share whose server went
 * away: the root is a folder, and every other question (the size of the
 * file system, what a path is) waits until the caller gives up (a signal)
 * or the file system is unmounted.
 *
 *   hungfs MOUNTPOINT [FUSE OPTION...]
 *
 * Runs in the foreground until unmounted (fusermount3 -u) or killed. */
#define FUSE_USE_VERSION 31

#include <errno.h>
#include <fuse.h>
#include <fuse_lowlevel.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>

static int hang(void)
{
    const struct timespec tick = {0, 100000000L};
    while (!fuse_interrupted() && !fuse_session_exited(fuse_get_session(fuse_get_context()->fuse)))
        nanosleep(&tick, NULL);
    return -EINTR;
}

static int getattr(const char* path, struct stat* st, struct fuse_file_info* fi)
{
    (void)fi;
    if (strcmp(path, "/") != 0)
        return hang();
    memset(st, 0, sizeof *st);
    st->st_mode = S_IFDIR | 0755;
    st->st_nlink = 2;
    return 0;
}

static int statfs(const char* path, struct statvfs* st)
{
    (void)path;
    (void)st;
    return hang();
}

static void* init(struct fuse_conn_info* conn, struct fuse_config* cfg)
{
    (void)conn;
    cfg->entry_timeout = cfg->attr_timeout = cfg->negative_timeout = 0;
    return NULL;
}

int main(int argc, char* argv[])
{
    static const struct fuse_operations operations = {.getattr = getattr, .statfs = statfs, .init = init};
    return fuse_main(argc, argv, &operations, NULL);
}
