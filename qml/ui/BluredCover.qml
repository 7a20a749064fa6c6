import QtQuick 2.8

// The window behind a modal popup, blurred and darkened. It takes a snapshot
// of `bluredTarget` when it is created (each time a popup opens) and again
// when its size or target changes, blurs it once and draws the result from
// then on. The look is that of Graphical Effects' RecursiveBlur (radius 5,
// 25 loops) under a 20 % black veil, reached in the frame the popup opens in
// instead of over 25 frames.
//
// Nothing here is an effect fed with its own output, as in RecursiveBlur:
// such a loop keeps its items tied to the window after the popup lets go of
// the backdrop, and a window destroyed with a modal popup open then crashes
// when Qt deletes the backdrop.
Item {
    id: root

    property Item bluredTarget
    // False keeps the backdrop live: it follows every change of the target.
    property bool cached: true
    // 1 once the blur of the latest snapshot is drawn, else 0.
    readonly property real progress: picture.done ? 1 : 0

    // The recursive blur's 25 passes of radius 5 add up to a Gaussian of this
    // deviation, in pixels.
    readonly property real deviation: 11.5

    function refresh() {
        picture.done = false;
        snapshot.scheduleUpdate();
        quarterWidth.scheduleUpdate();
        quarterSize.scheduleUpdate();
        horizontalPass.scheduleUpdate();
        verticalPass.scheduleUpdate();
        picture.scheduleUpdate();
    }

    onWidthChanged: refresh()
    onHeightChanged: refresh()
    onBluredTargetChanged: refresh()

    QtObject {
        id: internal

        // The software scene graph draws no shader effects: there the window
        // stays in view under a plain dimming veil instead of going blank.
        readonly property bool software: root.GraphicsInfo.api === GraphicsInfo.Software

        // In quarter-size texels. Shrinking spreads the picture by a variance
        // of 16/6 px² each way, and so does the linear stretch back to full
        // size on average: the passes add only the rest.
        readonly property real passDeviation: Math.sqrt(root.deviation * root.deviation - 2 * 16 / 6) / 4
    }

    // While the opaque backdrop covers the target, the target need not be
    // drawn on every frame of an animation over it.
    ShaderEffectSource {
        id: snapshot
        width: root.width
        height: root.height
        visible: false
        live: !root.cached
        smooth: true
        textureSize: Qt.size(root.width, root.height)
        hideSource: !internal.software && root.visible && root.opacity === 1
        sourceItem: root.bluredTarget
    }

    // Shrunk to a quarter each way: the blur itself runs on a sixteenth of the
    // pixels.
    ShaderEffectSource {
        id: quarterWidth
        width: root.width
        height: root.height
        visible: false
        live: !root.cached
        smooth: true
        textureSize: Qt.size(Math.ceil(root.width / 4), root.height)
        sourceItem: QuarterPass {
            width: root.width
            height: root.height
            visible: false
            source: snapshot
            texel: Qt.point(1 / root.width, 0)
        }
    }

    ShaderEffectSource {
        id: quarterSize
        width: root.width
        height: root.height
        visible: false
        live: !root.cached
        smooth: true
        textureSize: Qt.size(Math.ceil(root.width / 4), Math.ceil(root.height / 4))
        sourceItem: QuarterPass {
            width: root.width
            height: root.height
            visible: false
            source: quarterWidth
            texel: Qt.point(0, 1 / root.height)
        }
    }

    ShaderEffectSource {
        id: horizontalPass
        width: root.width
        height: root.height
        visible: false
        live: !root.cached
        smooth: true
        textureSize: quarterSize.textureSize
        sourceItem: GaussianPass {
            width: root.width
            height: root.height
            visible: false
            source: quarterSize
            texel: Qt.point(1 / quarterSize.textureSize.width, 0)
            deviation: internal.passDeviation
        }
    }

    ShaderEffectSource {
        id: verticalPass

        width: root.width
        height: root.height
        visible: false
        live: !root.cached
        smooth: true
        textureSize: quarterSize.textureSize
        sourceItem: GaussianPass {
            width: root.width
            height: root.height
            visible: false
            source: horizontalPass
            texel: Qt.point(0, 1 / quarterSize.textureSize.height)
            deviation: internal.passDeviation
        }
    }

    // The blur stretched back to full size and darkened by the veil, drawn
    // once into an opaque full-size texture: each frame of an animation over
    // the backdrop then only copies it, texel for pixel and unfiltered, which
    // a software rasteriser such as llvmpipe does several times faster than
    // sampling a filtered texture for every pixel. The recursive blur draws
    // its result 2 px wider and taller than itself, from the top left corner;
    // the stretch keeps that geometry, so the picture lands on the same pixels.
    ShaderEffectSource {
        id: picture

        property bool done: false

        anchors.fill: parent
        visible: !internal.software
        live: !root.cached
        format: ShaderEffectSource.RGB
        smooth: false
        textureSize: Qt.size(root.width, root.height)
        sourceItem: ShaderEffect {
            property variant source: verticalPass
            property size stretch: Qt.size(root.width / (root.width + 2), root.height / (root.height + 2))

            width: root.width
            height: root.height
            visible: false
            fragmentShader: "
                varying highp vec2 qt_TexCoord0;
                uniform sampler2D source;
                uniform highp vec2 stretch;
                void main() {
                    gl_FragColor = vec4(texture2D(source, qt_TexCoord0 * stretch).rgb * 0.8, 1.0);
                }"
        }
        onScheduledUpdateCompleted: done = true
    }

    Rectangle {
        objectName: "backdropVeil"
        anchors.fill: parent
        visible: internal.software
        color: "black"
        opacity: 0.5
    }
}
