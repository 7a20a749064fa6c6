import QtQuick 2.9
import QtTest 1.2
import OrvaneTest 1.0
import "../../tests/qml/forms"

// Not a test: saves the forms' screenshots for docs/screenshots/ (see
// tools/view-screenshots.sh).
TestCase {
    id: testCase
    name: "FormScreenshots"
    when: windowShown

    Component {
        id: hostComponent
        FormHost {}
    }

    function shoot(item, file) {
        // The backdrop's blur converges over several frames.
        wait(1500);
        verify(TestSupport.grab(item));
        verify(TestSupport.save("docs/screenshots/" + file));
    }

    function test_rating() {
        var host = createTemporaryObject(hostComponent, testCase);
        tryCompare(host, "visible", true);
        host.rating.x = 200;
        host.rating.y = 275;
        var stars = findChild(host.rating, "rating");
        wait(500);
        stars.currentRate = 2;
        mouseMove(stars, 120, 35);
        mouseMove(stars, 175, 25);
        tryCompare(stars, "currentHighlightedIndex", 3);
        shoot(host.rating, "rating.png");
    }

    function test_feedback() {
        var host = createTemporaryObject(hostComponent, testCase);
        tryCompare(host, "visible", true);
        host.rating.visible = false;
        var form = host.feedback;
        form.open();
        tryCompare(form, "opened", true);
        findChild(form.contentItem, "emailTextField").text = "jane.doe@example.com";
        findChild(form.contentItem, "industryComboBox").currentIndex = 3;
        findChild(form.contentItem, "contentTextArea").text = "The scan of dark parts could use more exposure.";
        form.addFiles(["file:///home/jane/scans/turbine-blade-2024-03-11.ply",
                       "file:///home/jane/Documents/reports/quarterly/2024/Q1/scanner-calibration-notes.pdf",
                       "file:///home/jane/photo%20of%20setup.jpg"]);
        form.attachments.setProperty(1, "selected", true);
        // Rows made under the pointer start hovered; move it off them.
        var list = findChild(form.contentItem, "attachmentList");
        waitForRendering(list);
        mouseMove(form.contentItem, 10, 10);
        tryVerify(function() { var row = list.itemAtIndex(0); return row && !row.children[0].containsMouse; });
        shoot(host.contentItem, "feedback.png");
        form.close();
        tryCompare(form, "visible", false);
    }
}
