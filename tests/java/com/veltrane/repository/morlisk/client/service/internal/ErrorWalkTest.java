package com.veltrane.repository.morlisk.client.service.internal;

import static com.veltrane.repository.morlisk.client.service.internal.Check.eq;
import static com.veltrane.repository.morlisk.client.service.internal.Check.fixture;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isFalse;
import static com.veltrane.repository.morlisk.client.service.internal.Check.isTrue;
import static com.veltrane.repository.morlisk.client.service.internal.Check.readText;
import static com.veltrane.repository.morlisk.client.service.internal.Check.test;
import static com.veltrane.repository.morlisk.client.service.internal.Check.workPath;

import java.util.ArrayList;
import java.util.List;

/**
 * The server's errors. The fixture server_errors.srtf is a reply with the
 * operation "REPO SRV ERROR" and, in file order: an SRTF error, a general
 * error, a database error, a general file error, a database SQL error and a
 * second general error.
 */
public final class ErrorWalkTest {
    private static final SRTFNativeInterface srtf = new SRTFNativeInterface();

    private static int readReply() {
        int h = srtf.initFromFile(fixture("java/server_errors.srtf"));
        srtf.read(h);
        return h;
    }

    private static String current(int h) {
        return srtf.getErrorCode(h) + " " + srtf.getErrorDescription(h);
    }

    public static void main(String[] args) {
        test("errors come as general file, general, SQL, database and SRTF errors", () -> {
            int h = readReply();
            isTrue(srtf.isSRTFResourceValid(h), "reply read");
            isTrue(srtf.hasErrors(h), "hasErrors");
            eq("0 ", current(h), "before the first iterateErrors");
            List<String> walked = new ArrayList<>();
            while (srtf.iterateErrors(h)) {
                walked.add(current(h));
            }
            eq(List.of("0 ", "258 Disk full", "7 second general", "-105 bad sql", "16 database down",
                    "17268740 srtf fault"), walked, "codes and descriptions in walk order");
            eq("0 ", current(h), "after the walk ended");
            isTrue(srtf.iterateErrors(h), "the call after false starts over");
            eq("0 ", current(h), "on the file error again");
            isTrue(srtf.iterateErrors(h), "and goes on");
            eq("258 Disk full", current(h), "first general error");
        });

        test("hasErrors compares the operation exactly", () -> {
            int h = srtf.init();
            String[][] cases = {{"REPO SRV ERROR", "true"}, {"repo srv error", "false"},
                    {"REPO SRV ERROR ", "false"}, {" REPO SRV ERROR", "false"}, {"", "false"}};
            for (String[] c : cases) {
                srtf.setOperation(h, c[0]);
                eq(Boolean.valueOf(c[1]), srtf.hasErrors(h), "operation '" + c[0] + "'");
            }
        });

        test("a reply without error sections has errors but nothing to walk", () -> {
            int h = srtf.init();
            srtf.setOperation(h, "REPO SRV ERROR");
            isTrue(srtf.hasErrors(h), "hasErrors");
            for (int i = 0; i < 3; i++) {
                isFalse(srtf.iterateErrors(h), "iterateErrors call " + i);
                eq("0 ", current(h), "no current error");
            }
            srtf.addObject(h, 142);  // sections gained later are not walked
            isFalse(srtf.iterateErrors(h), "after a general error section was added");
        });

        test("hasErrors on a document without a header adds an empty header section", () -> {
            String path = workPath("has-errors.srtf");
            int h = srtf.initFromFile(path);
            isFalse(srtf.hasErrors(h), "hasErrors");
            srtf.save(h);
            isTrue(readText(path).contains("[HeaderSection]"), "header section written");
        });

        test("the error walks of two handles are apart", () -> {
            int a = readReply();
            int b = readReply();
            srtf.iterateErrors(a);
            srtf.iterateErrors(a);
            srtf.iterateErrors(b);
            eq("258 Disk full", current(a), "handle a");
            eq("0 ", current(b), "handle b");
            srtf.releaseResources(a);
            eq("0 ", current(a), "released handle");
            isFalse(srtf.iterateErrors(a), "released handle walks nothing");
            isTrue(srtf.iterateErrors(b), "handle b walks on");
            eq("258 Disk full", current(b), "handle b's second error");
        });

        Check.finish();
    }
}
