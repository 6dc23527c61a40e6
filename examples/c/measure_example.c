/*
 * The zk7416 driver from C: connect, identify, measure a few values, read the
 * comparator counts.
 *
 *   measure_example --port N [--baud B] [OPTIONS] [COUNT]  RS-232 at COMN ($ZK7416_COM<N>)
 *   measure_example --gpib ADDRESS [OPTIONS] [COUNT]       GPIB ($ZK7416_GPIB_LIBRARY)
 *
 *   --limits LOW UPP   first switch the comparator on with these two limits (ohms) and
 *                      clear its counts; without it the instrument's settings are kept
 *
 * Build against the installed driver:  cc measure_example.c $(pkg-config --cflags --libs zk7416)
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <zk7416.h>

static int report(const char* what, int32_t status) {
    fprintf(stderr, "%s: status %d (%s)\n", what, (int)status, zk7416_status_text(status));
    return 1;
}

static void pause_briefly(void) {
    struct timespec pause = {0, 50 * 1000 * 1000};
    nanosleep(&pause, NULL);
}

/* Waits for the next value and prints it. On RS-232 the driver answers 301 while no new
 * value is there yet; we ask again, for at most about ten seconds. */
static int32_t print_next_value(int32_t handle, int number) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        double value = 0.0;
        char unit[ZK7416_UNIT_SIZE] = "";
        int32_t status = zk7416_meas_read(handle, &value, unit);
        if (status == ZK7416_EOT) {
            pause_briefly();
            continue;
        }
        if (status >= ZK7416_QUES_FRES_BIT7 && status <= ZK7416_QUES_FRES_BIT0) {
            printf("value %d: %s\n", number, zk7416_status_text(status));
            return 0;
        }
        if (status != 0) return status;
        if (unit[0] == '\0')
            printf("value %d: overload\n", number);
        else
            printf("value %d: %.7g %s\n", number, value, unit);
        return 0;
    }
    return ZK7416_EOT;
}

static int32_t print_comparator_counts(int32_t handle) {
    char answer[ZK7416_ANSWER_SIZE] = "";
    int32_t status = zk7416_receive_scpi(handle, "CALC:LIM:COUN?", answer);
    if (status != 0) return status;
    int32_t c[5] = {0, 0, 0, 0, 0};
    if (atoi(answer) == 4) {
        status = zk7416_comparator_4_limit_report(handle, &c[0], &c[1], &c[2], &c[3], &c[4]);
        if (status == 0)
            printf("comparator counts: %d %d %d %d %d\n", (int)c[0], (int)c[1], (int)c[2],
                   (int)c[3], (int)c[4]);
    } else {
        status = zk7416_comparator_2_limit_report(handle, &c[0], &c[1], &c[2]);
        if (status == 0) printf("comparator counts: %d %d %d\n", (int)c[0], (int)c[1], (int)c[2]);
    }
    return status;
}

static const char usage[] =
    "usage: %s --port N [--baud B] | --gpib ADDRESS [--limits LOW UPP] [COUNT]\n";

int main(int argc, char** argv) {
    int port = 0, baud = 9600, address = -1, count = 5, limits = 0;
    double low = 0.0, upp = 0.0;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--help") == 0) {
            printf(usage, argv[0]);
            return 0;
        } else if (strcmp(argv[i], "--port") == 0 && i + 1 < argc)
            port = atoi(argv[++i]);
        else if (strcmp(argv[i], "--baud") == 0 && i + 1 < argc)
            baud = atoi(argv[++i]);
        else if (strcmp(argv[i], "--gpib") == 0 && i + 1 < argc)
            address = atoi(argv[++i]);
        else if (strcmp(argv[i], "--limits") == 0 && i + 2 < argc) {
            limits = 1;
            low = atof(argv[++i]);
            upp = atof(argv[++i]);
        } else if (argv[i][0] == '-') {
            fprintf(stderr, "%s: unknown option, or its value is missing\n", argv[i]);
            fprintf(stderr, usage, argv[0]);
            return 2;
        } else
            count = atoi(argv[i]);
    }
    if ((port == 0) == (address < 0) || count < 1) {
        fprintf(stderr, usage, argv[0]);
        return 2;
    }

    int32_t handle = 0;
    char idn[ZK7416_ANSWER_SIZE] = "";
    int32_t status = address >= 0 ? zk7416_init_gpib(address, 13, 0, idn, &handle)
                                  : zk7416_init_serial(port, baud, 10.0, idn, 0, &handle);
    if (status != 0) return report("connect", status);
    printf("instrument: %s\n", idn);

    if (limits) {
        if ((status = zk7416_set_config_comparator_mode(handle, 1, 0, 0)) != 0 ||
            (status = zk7416_send_scpi(handle, "CALC:LIM:COUN 2")) != 0 ||
            (status = zk7416_set_config_2_limit_comparator(handle, low, upp)) != 0 ||
            (status = zk7416_comparator_clear(handle)) != 0) {
            zk7416_close(handle);
            return report("comparator", status);
        }
    }

    /* In single-measurement mode every value needs its own start. */
    char continuous[ZK7416_ANSWER_SIZE] = "";
    int single =
        zk7416_receive_scpi(handle, "INIT:CONT?", continuous) == 0 && strcmp(continuous, "0") == 0;
    int failed = 0;
    status = zk7416_meas_start(handle);
    if (status != 0) failed = report("start", status);
    for (int i = 1; i <= count && !failed; ++i) {
        if (i > 1 && single && (status = zk7416_meas_start(handle)) != 0)
            failed = report("start", status);
        else if ((status = print_next_value(handle, i)) != 0)
            failed = report("read", status);
    }
    status = zk7416_meas_stop(handle);
    if (status != 0) failed = report("stop", status);
    if (!failed && (status = print_comparator_counts(handle)) != 0)
        failed = report("comparator counts", status);
    zk7416_close(handle);
    return failed;
}
