/* benchfs: a generated folder tree served through FUSE, for timing walks as
 * on a network share. Every listing waits a while before it answers; a
 * chosen share of the folders waits much longer (a heavy tail). Read-only,
 * multi-threaded, and the file system itself costs next to nothing, so that
 * what is timed is the walk.
 *
 *   benchfs MOUNTPOINT [OPTION...]
 *     --levels A,B,C...  subfolders of every folder, level by level
 *                        (8,8,8,9: 8 + 64 + 512 + 4,608 = 5,192 folders)
 *     --files N          files in every folder (2)
 *     --delay-ms MS      time every listing takes (1)
 *     --tail PERCENT:MS  that share of the folders takes MS instead (none)
 *     --seed S           which folders are slow (1)
 *     --threads N        at most this many requests served at once (128)
 *     --cache-s S        how long the kernel keeps names and attributes (1)
 *     --counts FILE      where the requests are counted at unmount ("-":
 *                        standard error), one "OPERATION COUNT" a line
 *
 * Runs in the foreground until unmounted (fusermount3 -u MOUNTPOINT) or
 * sent SIGINT/SIGTERM. A listing is the first READDIR of an open folder;
 * the READDIRs that follow it answer at once. */
#define FUSE_USE_VERSION FUSE_MAKE_VERSION(3, 12)
#define _GNU_SOURCE

#include <errno.h>
#include <fuse_lowlevel.h>
#include <stdatomic.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

enum counted { LOOKUP, FORGET, GETATTR, OPENDIR, READDIR, RELEASEDIR, STATFS, OTHER, COUNTED };
static const char* const countedNames[COUNTED] = {"LOOKUP",  "FORGET",     "GETATTR", "OPENDIR",
                                                  "READDIR", "RELEASEDIR", "STATFS",  "OTHER"};
static atomic_ulong counts[COUNTED];

/* Folder i (0 is the root) has the inode i + 1; its subfolders are
 * firstChild[i] .. firstChild[i] + childCount[i] - 1; the files of folder i
 * have the inodes after all folders. */
static uint32_t folders;
static uint32_t* parentOf;
static uint32_t* firstChild;
static uint32_t* childCount;
static uint32_t* indexAmongSiblings;
static unsigned char* slow;
static unsigned filesPerFolder = 2;
static long delayUs = 1000;
static long tailUs;
static double cacheSeconds = 1.0;

static void count(enum counted what)
{
    atomic_fetch_add_explicit(&counts[what], 1, memory_order_relaxed);
}

static void pause_us(long us)
{
    struct timespec wait = {us / 1000000, (us % 1000000) * 1000L};
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

static int build(const char* levels, double tailPercent, unsigned seed)
{
    uint64_t total = 1, width = 1;
    for (const char* p = levels; *p;) {
        char* end;
        const unsigned long fanOut = strtoul(p, &end, 10);
        if (end == p || fanOut == 0)
            return -1;
        width *= fanOut;
        total += width;
        if (total > 10000000)
            return -1;
        p = *end == ',' ? end + 1 : end;
    }
    folders = (uint32_t)total;
    parentOf = calloc(folders, sizeof *parentOf);
    firstChild = calloc(folders, sizeof *firstChild);
    childCount = calloc(folders, sizeof *childCount);
    indexAmongSiblings = calloc(folders, sizeof *indexAmongSiblings);
    slow = calloc(folders, 1);
    if (!parentOf || !firstChild || !childCount || !indexAmongSiblings || !slow)
        return -1;
    /* Level by level: the folders of one level stand together. */
    uint32_t levelBegin = 0, levelEnd = 1, next = 1;
    for (const char* p = levels; *p;) {
        char* end;
        const uint32_t fanOut = (uint32_t)strtoul(p, &end, 10);
        for (uint32_t f = levelBegin; f < levelEnd; ++f) {
            firstChild[f] = next;
            childCount[f] = fanOut;
            for (uint32_t k = 0; k < fanOut; ++k, ++next) {
                parentOf[next] = f;
                indexAmongSiblings[next] = k;
            }
        }
        levelBegin = levelEnd;
        levelEnd = next;
        p = *end == ',' ? end + 1 : end;
    }
    /* Exactly that share of the folders is slow, spread over the tree by a
     * permutation of the folders (2654435761 is prime, so every folder has
     * its own place): the same ones in every run with the same seed. */
    const uint64_t slowCount = (uint64_t)(tailPercent / 100.0 * folders + 0.5);
    for (uint32_t f = 0; f < folders; ++f)
        slow[f] = ((uint64_t)f + seed) * 2654435761ull % folders < slowCount;
    return 0;
}

static int isFolder(fuse_ino_t ino)
{
    return ino >= 1 && ino <= folders;
}

static int isFile(fuse_ino_t ino)
{
    return ino > folders && ino <= (fuse_ino_t)folders + (fuse_ino_t)folders * filesPerFolder;
}

static void folderName(uint32_t f, char* out, size_t size)
{
    /* Mixed case, so that the display order is not the byte order. */
    snprintf(out, size, "%s%02u", indexAmongSiblings[f] % 3 == 1 ? "ordner" : "Ordner", indexAmongSiblings[f]);
}

static void fileName(unsigned k, char* out, size_t size)
{
    snprintf(out, size, "datei%u.txt", k);
}

static void attributesOf(fuse_ino_t ino, struct stat* st)
{
    memset(st, 0, sizeof *st);
    st->st_ino = ino;
    if (isFolder(ino)) {
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 2 + childCount[ino - 1];
        st->st_size = 4096;
    } else {
        st->st_mode = S_IFREG | 0644;
        st->st_nlink = 1;
        st->st_size = 100;
    }
    st->st_uid = getuid();
    st->st_gid = getgid();
}

static void fs_init(void* data, struct fuse_conn_info* conn)
{
    (void)data;
    /* Lookups and listings in one folder at once, as a share's client
     * sends them; the tree never changes. The libfuse of Debian 12 (3.14)
     * does not pass this on: the kernel then sends the lookups in one
     * folder one after the other, for every tool alike. */
    if (conn->capable & FUSE_CAP_PARALLEL_DIROPS)
        conn->want |= FUSE_CAP_PARALLEL_DIROPS;
}

static void fs_lookup(fuse_req_t req, fuse_ino_t parent, const char* name)
{
    count(LOOKUP);
    if (!isFolder(parent)) {
        fuse_reply_err(req, ENOTDIR);
        return;
    }
    const uint32_t p = (uint32_t)(parent - 1);
    fuse_ino_t found = 0;
    unsigned k;
    int used = 0;
    char check[64];
    if ((sscanf(name, "Ordner%u%n", &k, &used) == 1 || sscanf(name, "ordner%u%n", &k, &used) == 1) &&
        name[used] == '\0' && k < childCount[p]) {
        folderName(firstChild[p] + k, check, sizeof check);
        if (strcmp(check, name) == 0)
            found = firstChild[p] + k + 1;
    } else if (sscanf(name, "datei%u.txt%n", &k, &used) == 1 && name[used] == '\0' && k < filesPerFolder) {
        found = (fuse_ino_t)folders + 1 + (fuse_ino_t)p * filesPerFolder + k;
    }
    if (!found) {
        fuse_reply_err(req, ENOENT);
        return;
    }
    struct fuse_entry_param entry;
    memset(&entry, 0, sizeof entry);
    entry.ino = found;
    entry.attr_timeout = entry.entry_timeout = cacheSeconds;
    attributesOf(found, &entry.attr);
    fuse_reply_entry(req, &entry);
}

static void fs_forget(fuse_req_t req, fuse_ino_t ino, uint64_t lookups)
{
    (void)ino, (void)lookups;
    count(FORGET);
    fuse_reply_none(req);
}

static void fs_forget_multi(fuse_req_t req, size_t n, struct fuse_forget_data* forgets)
{
    (void)n, (void)forgets;
    count(FORGET);
    fuse_reply_none(req);
}

static void fs_getattr(fuse_req_t req, fuse_ino_t ino, struct fuse_file_info* fi)
{
    (void)fi;
    count(GETATTR);
    if (!isFolder(ino) && !isFile(ino)) {
        fuse_reply_err(req, ENOENT);
        return;
    }
    struct stat st;
    attributesOf(ino, &st);
    fuse_reply_attr(req, &st, cacheSeconds);
}

static void fs_opendir(fuse_req_t req, fuse_ino_t ino, struct fuse_file_info* fi)
{
    count(OPENDIR);
    if (!isFolder(ino)) {
        fuse_reply_err(req, ENOTDIR);
        return;
    }
    fuse_reply_open(req, fi);
}

static void fs_readdir(fuse_req_t req, fuse_ino_t ino, size_t size, off_t offset, struct fuse_file_info* fi)
{
    (void)fi;
    count(READDIR);
    if (!isFolder(ino)) {
        fuse_reply_err(req, ENOTDIR);
        return;
    }
    const uint32_t f = (uint32_t)(ino - 1);
    if (offset == 0)
        pause_us(slow[f] && tailUs > 0 ? tailUs : delayUs);
    /* Entry i of the folder: ".", "..", the subfolders, then the files. */
    const off_t entries = 2 + (off_t)childCount[f] + (off_t)filesPerFolder;
    char* buffer = malloc(size);
    if (!buffer) {
        fuse_reply_err(req, ENOMEM);
        return;
    }
    size_t used = 0;
    for (off_t i = offset; i < entries; ++i) {
        char name[64];
        struct stat st;
        memset(&st, 0, sizeof st);
        if (i < 2) {
            snprintf(name, sizeof name, "%s", i == 0 ? "." : "..");
            st.st_ino = i == 0 || f == 0 ? ino : parentOf[f] + 1;
            st.st_mode = S_IFDIR;
        } else if (i < 2 + (off_t)childCount[f]) {
            const uint32_t child = firstChild[f] + (uint32_t)(i - 2);
            folderName(child, name, sizeof name);
            st.st_ino = child + 1;
            st.st_mode = S_IFDIR;
        } else {
            const unsigned k = (unsigned)(i - 2 - (off_t)childCount[f]);
            fileName(k, name, sizeof name);
            st.st_ino = (fuse_ino_t)folders + 1 + (fuse_ino_t)f * filesPerFolder + k;
            st.st_mode = S_IFREG;
        }
        const size_t need = fuse_add_direntry(req, buffer + used, size - used, name, &st, i + 1);
        if (need > size - used)
            break;
        used += need;
    }
    fuse_reply_buf(req, buffer, used);
    free(buffer);
}

static void fs_releasedir(fuse_req_t req, fuse_ino_t ino, struct fuse_file_info* fi)
{
    (void)ino, (void)fi;
    count(RELEASEDIR);
    fuse_reply_err(req, 0);
}

static void fs_statfs(fuse_req_t req, fuse_ino_t ino)
{
    (void)ino;
    count(STATFS);
    struct statvfs st;
    memset(&st, 0, sizeof st);
    st.f_bsize = st.f_frsize = 4096;
    st.f_namemax = 255;
    fuse_reply_statfs(req, &st);
}

static void fs_open(fuse_req_t req, fuse_ino_t ino, struct fuse_file_info* fi)
{
    (void)ino, (void)fi;
    count(OTHER);
    fuse_reply_err(req, EACCES);
}

static void fs_access(fuse_req_t req, fuse_ino_t ino, int mask)
{
    (void)ino, (void)mask;
    count(OTHER);
    fuse_reply_err(req, 0);
}

static void fs_getxattr(fuse_req_t req, fuse_ino_t ino, const char* name, size_t size)
{
    (void)ino, (void)name, (void)size;
    count(OTHER);
    fuse_reply_err(req, ENODATA);
}

static const struct fuse_lowlevel_ops operations = {
    .init = fs_init,
    .lookup = fs_lookup,
    .forget = fs_forget,
    .forget_multi = fs_forget_multi,
    .getattr = fs_getattr,
    .opendir = fs_opendir,
    .readdir = fs_readdir,
    .releasedir = fs_releasedir,
    .statfs = fs_statfs,
    .open = fs_open,
    .access = fs_access,
    .getxattr = fs_getxattr,
};

static int usage(void)
{
    fprintf(stderr, "usage: benchfs MOUNTPOINT [--levels A,B,...] [--files N] [--delay-ms MS] [--tail PERCENT:MS]\n"
                    "               [--seed S] [--threads N] [--cache-s S] [--counts FILE]\n");
    return 2;
}

int main(int argc, char* argv[])
{
    if (argc < 2)
        return usage();
    const char* mountpoint = argv[1];
    const char* levels = "8,8,8,9";
    const char* countsFile = NULL;
    double tailPercent = 0;
    unsigned seed = 1, threads = 128;
    for (int i = 2; i < argc; ++i) {
        const char* option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : NULL;
        if (!value)
            return usage();
        ++i;
        if (strcmp(option, "--levels") == 0) {
            levels = value;
        } else if (strcmp(option, "--files") == 0) {
            filesPerFolder = (unsigned)atoi(value);
        } else if (strcmp(option, "--delay-ms") == 0) {
            delayUs = (long)(atof(value) * 1000);
        } else if (strcmp(option, "--tail") == 0) {
            double ms;
            if (sscanf(value, "%lf:%lf", &tailPercent, &ms) != 2)
                return usage();
            tailUs = (long)(ms * 1000);
        } else if (strcmp(option, "--seed") == 0) {
            seed = (unsigned)atoi(value);
        } else if (strcmp(option, "--threads") == 0) {
            threads = (unsigned)atoi(value);
        } else if (strcmp(option, "--cache-s") == 0) {
            cacheSeconds = atof(value);
        } else if (strcmp(option, "--counts") == 0) {
            countsFile = value;
        } else {
            return usage();
        }
    }
    if (build(levels, tailPercent, seed) != 0) {
        fprintf(stderr, "benchfs: not a tree: %s\n", levels);
        return 2;
    }

    char* fuseArgv[] = {argv[0], "-o", "ro,default_permissions,fsname=benchfs,subtype=benchfs"};
    struct fuse_args args = FUSE_ARGS_INIT(3, fuseArgv);
    struct fuse_session* se = fuse_session_new(&args, &operations, sizeof operations, NULL);
    if (!se)
        return 1;
    int result = 1;
    if (fuse_set_signal_handlers(se) == 0) {
        if (fuse_session_mount(se, mountpoint) == 0) {
            struct fuse_loop_config* config = fuse_loop_cfg_create();
            fuse_loop_cfg_set_max_threads(config, threads);
            fuse_loop_cfg_set_idle_threads(config, threads);
            fuse_loop_cfg_set_clone_fd(config, 1);
            result = fuse_session_loop_mt(se, config) == 0 ? 0 : 1;
            fuse_loop_cfg_destroy(config);
            fuse_session_unmount(se);
        }
        fuse_remove_signal_handlers(se);
    }
    fuse_session_destroy(se);

    if (countsFile) {
        FILE* out = strcmp(countsFile, "-") == 0 ? stderr : fopen(countsFile, "w");
        if (!out) {
            perror(countsFile);
            return 1;
        }
        fprintf(out, "FOLDERS %u\n", folders - 1);
        for (int i = 0; i < COUNTED; ++i)
            fprintf(out, "%s %lu\n", countedNames[i], atomic_load(&counts[i]));
        if (out != stderr)
            fclose(out);
    }
    return result;
}
