/**
 * The diagnostic native method of JNITest (a class of the default package,
 * so this test lives there too): it shows its message and returns at once.
 * The test driver checks that the message reached standard error.
 */
public final class DiagnosticExportTest {
    public static void main(String[] args) {
        JNITest diagnostic = new JNITest();
        diagnostic.test123();
        diagnostic.test123();
        System.out.println("ok     test123 returns");
        System.out.println("1 passed, 0 failed");
    }
}
