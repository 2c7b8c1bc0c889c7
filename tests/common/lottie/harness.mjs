// SPDX-License-Identifier: MIT
// Checks Lottie files with the community's validator and draws their frames with lottie-web in
// Chromium, comparing each with a picture of our own. Usage: node harness.mjs JOBS.json RESULT.json
//
// JOBS: [{ "lottie": "a.json", "validate": true,
//          "frames": [{ "frame": 3, "output": "a-3.png", "reference": "ours-3.png" }] }]
// RESULT: [{ "lottie": "a.json", "errors": [...], "warnings": [...], "playerErrors": [...],
//            "frames": [{ "frame": 3, "differing": 0.004, "width": 320, "height": 240 }] }]
// "differing" is the part of the pixels pixelmatch counts as different (its default threshold;
// anti-aliased edge pixels are not counted).
import { createRequire } from 'module';
import fs from 'fs';
import path from 'path';
import pixelmatch from 'pixelmatch';

const require = createRequire(import.meta.url);
const { PNG } = require('pngjs');
const puppeteer = require('puppeteer-core');
const ajv2020 = require('ajv/dist/2020');
const { LottieValidator, get_schema_path } =
    require('@lottie-animation-community/lottie-specs/src/validator-node.js');

const [jobsFile, resultFile] = process.argv.slice(2);
const jobs = JSON.parse(fs.readFileSync(jobsFile, 'utf8'));
const schema = JSON.parse(fs.readFileSync(get_schema_path(), 'utf8'));
const validator = new LottieValidator(ajv2020.Ajv2020, schema);
const player = require.resolve('lottie-web/build/player/lottie_svg.min.js');

function compare(outputFile, referenceFile) {
    const drawn = PNG.sync.read(fs.readFileSync(outputFile));
    const ours = PNG.sync.read(fs.readFileSync(referenceFile));
    if (drawn.width !== ours.width || drawn.height !== ours.height)
        return { differing: 1, width: drawn.width, height: drawn.height, sizeMismatch: true };
    const diff = new PNG({ width: ours.width, height: ours.height });
    const count = pixelmatch(drawn.data, ours.data, diff.data, ours.width, ours.height);
    fs.writeFileSync(outputFile.replace(/\.png$/, '-diff.png'), PNG.sync.write(diff));
    return { differing: count / (ours.width * ours.height), width: ours.width, height: ours.height };
}

const profile = fs.mkdtempSync(path.join(process.env.TMPDIR || '/tmp', 'lottie-chromium-'));
const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--font-render-hinting=none'],
});
const results = [];
try {
    const page = await browser.newPage();
    // A player's failure is the test's to see, not the browser's to hide.
    let failures = [];
    page.on('pageerror', (error) => failures.push(String(error)));
    page.on('console', (message) => {
        if (message.type() === 'error') failures.push(message.text());
    });
    for (const job of jobs) {
        const text = fs.readFileSync(job.lottie, 'utf8');
        const result = { lottie: job.lottie, errors: [], warnings: [], frames: [], playerErrors: [] };
        failures = result.playerErrors;
        if (job.validate) {
            for (const issue of validator.validate(text, true))
                (issue.type === 'error' ? result.errors : result.warnings)
                    .push(`${issue.path}: ${issue.message}`);
        }
        if (job.frames && job.frames.length) {
            const data = JSON.parse(text);
            await page.setViewport({ width: data.w, height: data.h, deviceScaleFactor: 1 });
            await page.setContent(`<html><body style="margin:0;background:#fff">
                <div id="stage" style="width:${data.w}px;height:${data.h}px"></div></body></html>`);
            await page.addScriptTag({ path: player });
            await page.evaluate(async (animationData) => {
                window.animation = lottie.loadAnimation({
                    container: document.getElementById('stage'), renderer: 'svg',
                    loop: false, autoplay: false, animationData });
                // The player keeps its own failures to itself unless asked.
                await new Promise((resolve) => {
                    if (window.animation.isLoaded) resolve();
                    window.animation.addEventListener('DOMLoaded', resolve);
                    for (const name of ['error', 'data_failed'])
                        window.animation.addEventListener(name, (event) => {
                            console.error(`lottie-web: ${event && event.nativeError
                                ? event.nativeError.stack : name}`);
                            resolve();
                        });
                });
                // Embedded pictures load on their own; wait for every one.
                await Promise.all([...document.querySelectorAll('image')].map((image) =>
                    new Promise((resolve) => {
                        const probe = new Image();
                        probe.onload = probe.onerror = resolve;
                        probe.src = image.getAttribute('href') || image.getAttribute('xlink:href');
                    })));
            }, data);
            for (const frame of job.frames) {
                await page.evaluate((at) => window.animation.goToAndStop(at, true), frame.frame);
                const stage = await page.$('#stage');
                await stage.screenshot({ path: frame.output });
                const entry = { frame: frame.frame };
                if (frame.reference)
                    Object.assign(entry, compare(frame.output, frame.reference));
                result.frames.push(entry);
            }
        }
        results.push(result);
    }
} finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
}
fs.writeFileSync(resultFile, JSON.stringify(results, null, 1));
