package com.veltrane.repository.morlisk.client.service.internal;

import java.io.File;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;
import java.util.Objects;

/**
 * A tiny test harness: named test cases made of checks, a report of every
 * failed check, and the closing line "N passed, M failed" (counting test
 * cases); {@link #finish()} exits with 1 when any case failed.
 */
final class Check {
    interface Body {
        void run() throws Exception;
    }

    private static int passed;
    private static int failed;
    private static String currentCase = "";
    private static final List<String> currentFailures = new ArrayList<>();

    private Check() {
    }

    /** Runs one test case; an exception out of it fails the case. */
    static void test(String name, Body body) {
        currentCase = name;
        currentFailures.clear();
        try {
            body.run();
        } catch (Throwable t) {
            currentFailures.add("threw " + t);
        }
        if (currentFailures.isEmpty()) {
            passed++;
            System.out.println("ok     " + name);
        } else {
            failed++;
            System.out.println("FAILED " + name);
            for (String f : currentFailures) {
                System.out.println("         " + f);
            }
        }
    }

    static void eq(Object expected, Object actual, String what) {
        if (!Objects.equals(expected, actual)) {
            currentFailures.add(what + ": expected <" + expected + "> but was <" + actual + ">");
        }
    }

    static void isTrue(boolean condition, String what) {
        if (!condition) {
            currentFailures.add(what);
        }
    }

    static void isFalse(boolean condition, String what) {
        isTrue(!condition, what);
    }

    /** Prints the closing line and ends the JVM: exit code 1 when a case failed. */
    static void finish() {
        System.out.println(passed + " passed, " + failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }

    // ---- files ----

    static String fixture(String name) {
        return new File(System.getProperty("srtf.fixtures", "tests/fixtures"), name).getPath();
    }

    /** A path in the test's own empty work folder. */
    static String workPath(String name) {
        File dir = new File(System.getProperty("srtf.workdir", System.getProperty("java.io.tmpdir")));
        dir.mkdirs();
        File f = new File(dir, name);
        f.delete();
        return f.getPath();
    }

    static String readText(String path) throws IOException {
        return new String(Files.readAllBytes(new File(path).toPath()), StandardCharsets.UTF_8);
    }

    static void writeText(String path, String text) throws IOException {
        Files.write(new File(path).toPath(), text.getBytes(StandardCharsets.UTF_8));
    }
}
