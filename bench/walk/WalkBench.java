import com.veltrane.repository.morlisk.client.service.internal.SRTFNativeInterface;

import java.util.Arrays;

/**
 * The Java walk of a read document against the cost of crossing JNI.
 *
 * <p>The walk visits every Latest record of every section and, on each, all
 * its tech keys, data and base properties; each step is one iterate call and
 * one get call (getStrProperty for a text column, getIntProperty otherwise,
 * as a client that knows its columns does). The baseline makes the same
 * calls, in the same loops, on {@link WalkBaseline}, whose native methods
 * only return the answers recorded from the real walk. Rounds alternate the
 * two; the ratio is the median over the rounds after warm-up.
 *
 * <p>Usage: {@code java -Djava.library.path=DIRS WalkBench FILE [LABEL [ROUNDS]]}.
 * Prints one tab-separated line:
 * {@code walk LABEL records steps walk_ms native_ms ratio ns_per_step}.
 */
public final class WalkBench {
    private static final int SECTION_IDS = 228;
    private static final int WARMUP_ROUNDS = 3;
    private static final long WARMUP_NANOS = 2_000_000_000L;
    private static final long MEASURE_NANOS = 2_000_000_000L;

    /** Keeps the results alive, so that no call can be left out. */
    static volatile long sink;

    private WalkBench() {}

    public static void main(String[] args) {
        if (args.length < 1) {
            System.err.println("usage: WalkBench FILE [LABEL [ROUNDS]]");
            System.exit(2);
        }
        final String path = args[0];
        final String label = args.length > 1 ? args[1] : path;
        final int rounds = args.length > 2 ? Integer.parseInt(args[2]) : 5;

        SRTFNativeInterface srtf = new SRTFNativeInterface();
        int h = srtf.initFromFile(path);
        srtf.read(h);
        if (!srtf.isSRTFResourceValid(h)) {
            System.err.println("WalkBench: cannot read " + path);
            System.exit(1);
        }
        boolean[][][] isText = columnTypes(srtf, h);
        long[] counts = record(srtf, h, isText);  // records, steps
        WalkBaseline baseline = new WalkBaseline();

        // Warm-up until the JIT has settled: at least WARMUP_ROUNDS rounds and
        // WARMUP_NANOS; then at least the rounds asked for and MEASURE_NANOS.
        long warmStart = System.nanoTime();
        int warmup = 0;
        while (warmup < WARMUP_ROUNDS || System.nanoTime() - warmStart < WARMUP_NANOS) {
            sink += walk(srtf, h, isText);
            WalkBaseline.rewind();
            sink += walk(baseline, h, isText);
            ++warmup;
        }
        double[] walkMs = new double[0];
        double[] nativeMs = new double[0];
        double[] ratios = new double[0];
        long measureStart = System.nanoTime();
        for (int r = 0; r < rounds || System.nanoTime() - measureStart < MEASURE_NANOS; ++r) {
            double w = 0;
            double b = 0;
            for (int half = 0; half < 2; ++half) {
                if ((half == 0) == (r % 2 == 0)) {
                    long t0 = System.nanoTime();
                    sink += walk(srtf, h, isText);
                    w = (System.nanoTime() - t0) / 1e6;
                } else {
                    WalkBaseline.rewind();
                    long t0 = System.nanoTime();
                    sink += walk(baseline, h, isText);
                    b = (System.nanoTime() - t0) / 1e6;
                }
            }
            walkMs = append(walkMs, w);
            nativeMs = append(nativeMs, b);
            ratios = append(ratios, w / b);
        }
        srtf.releaseResources(h);
        double w = median(walkMs);
        System.out.printf("walk\t%s\t%d\t%d\t%.3f\t%.3f\t%.2f\t%.2f%n", label, counts[0], counts[1], w,
                median(nativeMs), median(ratios), counts[1] > 0 ? w * 1e6 / counts[1] : 0.0);
    }

    private static double[] append(double[] v, double x) {
        double[] out = Arrays.copyOf(v, v.length + 1);
        out[v.length] = x;
        return out;
    }

    private static double median(double[] v) {
        double[] s = v.clone();
        Arrays.sort(s);
        int n = s.length;
        return n == 0 ? 0 : n % 2 == 1 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
    }

    // ---- which columns are texts: [section][group][position] ----

    private static boolean[][][] columnTypes(SRTFNativeInterface n, int h) {
        boolean[][][] isText = new boolean[SECTION_IDS][][];
        for (int sid = 0; sid < SECTION_IDS; ++sid) {
            boolean[][] groups = null;
            while (n.iterateObject(h, sid)) {
                if (groups == null) groups = new boolean[3][0];
                for (int g = 0; g < 3; ++g) {
                    int p;
                    while ((p = iterate(n, h, g)) >= 0) {
                        if (p >= groups[g].length) groups[g] = Arrays.copyOf(groups[g], p + 1);
                        if (n.isCurrentPropertyString(h)) groups[g][p] = true;
                    }
                }
            }
            isText[sid] = groups != null ? groups : new boolean[3][0];
        }
        return isText;
    }

    private static int iterate(SRTFNativeInterface n, int h, int group) {
        switch (group) {
            case 0: return n.iterateTechKeyProperty(h);
            case 1: return n.iterateDataProperty(h);
            default: return n.iterateBaseProperty(h);
        }
    }

    // ---- the recording walk: every answer, in order, for the baseline ----

    private static final int BATCH = 1 << 16;
    private static int[] ints = new int[BATCH];
    private static String[] texts = new String[BATCH];
    private static int intCount;
    private static int textCount;

    private static int keep(int v) {
        if (intCount == BATCH) flush();
        ints[intCount++] = v;
        return v;
    }

    private static String keep(String s) {
        if (textCount == BATCH) flush();
        texts[textCount++] = s;
        return s;
    }

    private static void flush() {
        WalkBaseline.append(ints, intCount, texts, textCount);
        intCount = 0;
        textCount = 0;
        Arrays.fill(texts, null);
    }

    /** The walk below with every answer kept; returns {records, steps}. */
    private static long[] record(SRTFNativeInterface n, int h, boolean[][][] isText) {
        long records = 0;
        long steps = 0;
        for (int sid = 0; sid < SECTION_IDS; ++sid) {
            boolean[] dataText = isText[sid][1];
            boolean[] baseText = isText[sid][2];
            while (keep(n.iterateObject(h, sid) ? 1 : 0) != 0) {
                ++records;
                while (keep(n.iterateTechKeyProperty(h)) >= 0) {
                    keep(n.getIntProperty(h));
                    ++steps;
                }
                int p;
                while ((p = keep(n.iterateDataProperty(h))) >= 0) {
                    if (dataText[p]) keep(n.getStrProperty(h));
                    else keep(n.getIntProperty(h));
                    ++steps;
                }
                while ((p = keep(n.iterateBaseProperty(h))) >= 0) {
                    if (baseText[p]) keep(n.getStrProperty(h));
                    else keep(n.getIntProperty(h));
                    ++steps;
                }
            }
        }
        flush();
        return new long[] {records, steps};
    }

    // ---- the walk, once per receiver type (the same code) ----

    private static long walk(SRTFNativeInterface n, int h, boolean[][][] isText) {
        long sum = 0;
        for (int sid = 0; sid < SECTION_IDS; ++sid) {
            boolean[] dataText = isText[sid][1];
            boolean[] baseText = isText[sid][2];
            while (n.iterateObject(h, sid)) {
                while (n.iterateTechKeyProperty(h) >= 0) sum += n.getIntProperty(h);
                int p;
                while ((p = n.iterateDataProperty(h)) >= 0)
                    sum += dataText[p] ? n.getStrProperty(h).length() : n.getIntProperty(h);
                while ((p = n.iterateBaseProperty(h)) >= 0)
                    sum += baseText[p] ? n.getStrProperty(h).length() : n.getIntProperty(h);
            }
        }
        return sum;
    }

    private static long walk(WalkBaseline n, int h, boolean[][][] isText) {
        long sum = 0;
        for (int sid = 0; sid < SECTION_IDS; ++sid) {
            boolean[] dataText = isText[sid][1];
            boolean[] baseText = isText[sid][2];
            while (n.iterateObject(h, sid)) {
                while (n.iterateTechKeyProperty(h) >= 0) sum += n.getIntProperty(h);
                int p;
                while ((p = n.iterateDataProperty(h)) >= 0)
                    sum += dataText[p] ? n.getStrProperty(h).length() : n.getIntProperty(h);
                while ((p = n.iterateBaseProperty(h)) >= 0)
                    sum += baseText[p] ? n.getStrProperty(h).length() : n.getIntProperty(h);
            }
        }
        return sum;
    }
}
